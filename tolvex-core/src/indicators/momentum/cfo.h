#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/linear_regression.h"
#include "result.h"

namespace tolvex {

// Chande forecast oscillator: the close's distance from the n-close
// regression line at the newest point, in percent of the close.
class Cfo final : public IndicatorEvaluator {
 public:
  static Result<Cfo, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return line_.warmup(); }

 private:
  explicit Cfo(LinearRegression line) : line_(std::move(line)) {}
  LinearRegression line_;
  std::optional<double> last_;
};

}  // namespace tolvex
