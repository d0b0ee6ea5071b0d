#include "indicators/momentum/fisher_rsi.h"

#include <algorithm>
#include <cmath>

#include "window.h"

namespace tolvex {

Result<FisherRsi, IndicatorError> FisherRsi::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return FisherRsi(n);
}

std::optional<double> FisherRsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto r = rsi_.push(*x);
  if (!r) return std::nullopt;
  // The clamp keeps the logarithm finite at RSI 0 and 100.
  double y = std::clamp((*r - 50.0) / 50.0, -0.999, 0.999);
  return 0.5 * std::log((1.0 + y) / (1.0 - y));
}

}  // namespace tolvex
