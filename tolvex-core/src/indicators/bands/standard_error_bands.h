// Standard error bands: the regression line of the last n closes with bands
// at m standard errors of the estimate (residuals over n - 2 degrees of
// freedom).
#pragma once

#include <cstddef>

#include "indicators/bands/regression_channel.h"

namespace tolvex {

class StandardErrorBands final : public RegressionChannel {
 public:
  static Result<StandardErrorBands, IndicatorError> create(std::size_t n, double m);

 private:
  StandardErrorBands(std::size_t n, double m) : RegressionChannel(n, m, 2) {}
};

}  // namespace tolvex
