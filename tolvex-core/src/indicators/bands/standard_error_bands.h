// Standard error bands: the regression line of the last n closes with bands
// at m standard errors of the estimate (residuals over n - 2 degrees of
// freedom).
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/regression_channel.h"

namespace tolvex {

class StandardErrorBands final : public MultiOutputEvaluator {
 public:
  static Result<StandardErrorBands, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return channel_.period(); }

 private:
  StandardErrorBands(std::size_t n, double m) : channel_(n, m, 2) {}

  RegressionChannel channel_;
};

}  // namespace tolvex
