#include "indicators/momentum/inverse_fisher_transform.h"

#include <cmath>

namespace tolvex {

Result<InverseFisherTransform, IndicatorError> InverseFisherTransform::create(double scale) {
  if (!std::isfinite(scale) || !(scale > 0.0))
    return err(IndicatorError::invalid_period("scale must be a positive finite number"));
  return InverseFisherTransform(scale);
}

std::optional<double> InverseFisherTransform::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return std::tanh(*x * scale_);
}

}  // namespace tolvex
