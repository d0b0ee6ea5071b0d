#include "indicators/volatility/high_low_range.h"

namespace tolvex {

Result<HighLowRange, IndicatorError> HighLowRange::create() {
  return HighLowRange();
}

std::optional<double> HighLowRange::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  if (bar->close == 0.0) return 0.0;
  return (bar->high - bar->low) / bar->close;
}

}  // namespace tolvex
