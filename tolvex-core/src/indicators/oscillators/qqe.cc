#include "indicators/oscillators/qqe.h"

#include <algorithm>
#include <cmath>

#include "window.h"

namespace tolvex {

Result<Qqe, IndicatorError> Qqe::create(std::size_t n, std::size_t s, double k) {
  if (n == 0 || s == 0) return err(IndicatorError::period_zero());
  if (!(std::isfinite(k) && k > 0))
    return err(IndicatorError::invalid_period("QQE factor must be a finite positive value"));
  auto rsi = Rsi::create(n);
  if (!rsi) return err(rsi.error());
  if (auto st = check_period(s); !st) return err(st.error());
  // The band smoothing length w = 2n - 1 must stay below the window limit.
  if (n >= MAX_PERIOD / 2 + 1) return err(IndicatorError::invalid_period(kMaxPeriodMessage));
  return Qqe(std::move(rsi).value(), s, 2 * n - 1, k);
}

std::optional<double> Qqe::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto rsi = rsi_.push(*x);
  if (!rsi) return std::nullopt;
  auto ma = rsi_ma_.push(*rsi);
  if (!ma) return std::nullopt;
  std::optional<double> prev = prev_ma_;
  prev_ma_ = *ma;
  if (!prev) return std::nullopt;
  auto d1 = dar1_.push(std::fabs(*ma - *prev));
  if (!d1) return std::nullopt;
  auto d2 = dar2_.push(*d1);
  if (!d2) return std::nullopt;
  double dar = *d2 * k_;
  double lower = *ma - dar;
  double upper = *ma + dar;
  if (!bands_) {
    bands_ = Bands{lower, upper, *ma, true};
  } else {
    // Every test below reads the bands as they were before this step.
    const Bands b = *bands_;
    double p = b.rsi_ma;
    double l = *ma > b.long_band && p > b.long_band ? std::max(b.long_band, lower) : lower;
    double s = *ma < b.short_band && p < b.short_band ? std::min(b.short_band, upper) : upper;
    bool up = b.up;
    if (p <= b.short_band && *ma > b.short_band)
      up = true;
    else if (p >= b.long_band && *ma < b.long_band)
      up = false;
    bands_ = Bands{l, s, *ma, up};
  }
  double trailing = bands_->up ? bands_->long_band : bands_->short_band;
  return publish({{"rsi_ma", *ma}, {"trailing_line", trailing}});
}

}  // namespace tolvex
