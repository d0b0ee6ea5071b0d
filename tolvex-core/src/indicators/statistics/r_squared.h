// Coefficient of determination of the least-squares line through the last n
// closes, 0 to 1.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/regression_fit.h"
#include "result.h"

namespace tolvex {

class RSquared final : public IndicatorEvaluator {
 public:
  static Result<RSquared, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit RSquared(std::size_t n);

  RegressionFit core_;
};

}  // namespace tolvex
