// Time series forecast: the least-squares line of the last n closes extended
// one bar ahead.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/regression_fit.h"
#include "result.h"

namespace tolvex {

class Tsf final : public IndicatorEvaluator {
 public:
  static Result<Tsf, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit Tsf(std::size_t n);

  RegressionFit core_;
};

}  // namespace tolvex
