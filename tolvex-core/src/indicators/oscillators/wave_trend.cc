#include "indicators/oscillators/wave_trend.h"

#include <algorithm>
#include <cmath>

#include "window.h"

namespace tolvex {

namespace {
constexpr double kEpsilon = 2.220446049250313e-16;
}

Result<WaveTrend, IndicatorError> WaveTrend::create(std::size_t channel, std::size_t average,
                                                    std::size_t signal) {
  if (channel == 0 || average == 0 || signal == 0) return err(IndicatorError::period_zero());
  for (std::size_t n : {channel, average, signal})
    if (auto st = check_period(n); !st) return err(st.error());
  return WaveTrend(channel, average, std::move(Sma::create(signal).value()));
}

std::optional<double> WaveTrend::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  double ap = ((in.candle.high + in.candle.low) + in.candle.close) / 3.0;
  if (!std::isfinite(ap)) return std::nullopt;
  auto esa = esa_.push(ap);
  if (!esa) return std::nullopt;
  double dist = std::fabs(ap - *esa);
  if (!std::isfinite(dist)) return std::nullopt;
  auto d = dev_.push(dist);
  if (!d) return std::nullopt;
  // A deviation lost in the rounding of the average means a flat channel.
  double ci =
      *d > std::max(1.0, std::fabs(*esa)) * 16.0 * kEpsilon ? (ap - *esa) / (*d * 0.015) : 0.0;
  if (!std::isfinite(ci)) return std::nullopt;
  auto wt1 = wt1_.push(ci);
  if (!wt1) return std::nullopt;
  auto wt2 = wt2_.push(*wt1);
  if (!wt2) return std::nullopt;
  return publish({{"wt1", *wt1}, {"wt2", *wt2}});
}

}  // namespace tolvex
