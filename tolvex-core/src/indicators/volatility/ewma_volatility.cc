#include "indicators/volatility/ewma_volatility.h"

#include <cmath>

#include "indicators/common/non_negative.h"

namespace tolvex {

Result<EwmaVolatility, IndicatorError> EwmaVolatility::create(double lambda) {
  if (!std::isfinite(lambda) || lambda <= 0.0 || lambda >= 1.0)
    return err(IndicatorError::invalid_parameter(
        "EWMA volatility lambda must be in the open interval (0, 1)"));
  return EwmaVolatility(lambda);
}

std::optional<double> EwmaVolatility::update(const IndicatorInput& in) {
  auto r = log_return_.feed(in.candle.close);
  if (!r) return std::nullopt;
  double sq = *r * *r;
  var_ = var_ ? lambda_ * *var_ + weight_ * sq : sq;
  return std::sqrt(non_negative(*var_));
}

}  // namespace tolvex
