// Slope of the least-squares line through the last n closes.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/regression_fit.h"
#include "result.h"

namespace tolvex {

class LinRegSlope final : public IndicatorEvaluator {
 public:
  static Result<LinRegSlope, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit LinRegSlope(std::size_t n);

  RegressionFit core_;
};

}  // namespace tolvex
