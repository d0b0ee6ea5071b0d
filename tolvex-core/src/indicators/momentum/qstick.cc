#include "indicators/momentum/qstick.h"

namespace tolvex {

Result<Qstick, IndicatorError> Qstick::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Qstick(n);
}

std::optional<double> Qstick::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  mean_.push(bar->close - bar->open);
  return mean_.mean();
}

}  // namespace tolvex
