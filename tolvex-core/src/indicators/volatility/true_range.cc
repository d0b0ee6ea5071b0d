#include "indicators/volatility/true_range.h"

namespace tolvex {

Result<TrueRange, IndicatorError> TrueRange::create() {
  return TrueRange();
}

std::optional<double> TrueRange::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  return tr_.push(*bar);
}

}  // namespace tolvex
