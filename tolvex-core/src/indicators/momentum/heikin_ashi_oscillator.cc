#include "indicators/momentum/heikin_ashi_oscillator.h"

#include <cmath>

#include "window.h"

namespace tolvex {

Result<HeikinAshiOscillator, IndicatorError> HeikinAshiOscillator::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return HeikinAshiOscillator(n);
}

std::optional<double> HeikinAshiOscillator::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double close = (((bar->open + bar->high) + bar->low) + bar->close) * 0.25;
  double open = started_ ? midpoint(ha_open_, ha_close_) : midpoint(bar->open, bar->close);
  double body = close - open;
  if (!std::isfinite(body)) return std::nullopt;
  started_ = true;
  ha_open_ = open;
  ha_close_ = close;
  return ema_.push(body);
}

}  // namespace tolvex
