#include "indicators/oscillators/elder_impulse.h"

#include <algorithm>

#include "window.h"

namespace tolvex {

Result<ElderImpulse, IndicatorError> ElderImpulse::create(std::size_t ema, std::size_t fast,
                                                          std::size_t slow, std::size_t signal) {
  if (auto st = check_period(ema); !st) return err(st.error());
  if (auto st = MacdStage::check(fast, slow, signal); !st) return err(st.error());
  return ElderImpulse(EmaStage(ema), MacdStage(EmaStage(fast), EmaStage(slow), EmaStage(signal)));
}

// The first comparison needs a previous value of both lines.
std::size_t ElderImpulse::warmup() const {
  return std::max(ema_.period(), macd_.warmup()) + 1;
}

std::optional<double> ElderImpulse::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto e = ema_.push(*x);
  auto m = macd_.push(*x);
  std::optional<double> h;
  if (m) h = m->histogram;
  std::optional<double> result;
  if (e && h && prev_ema_ && prev_hist_) {
    if (*h > *prev_hist_ && *e > *prev_ema_)
      result = 1.0;
    else if (*h < *prev_hist_ && *e < *prev_ema_)
      result = -1.0;
    else
      result = 0.0;
  }
  if (e) prev_ema_ = e;
  if (h) prev_hist_ = h;
  return result;
}

}  // namespace tolvex
