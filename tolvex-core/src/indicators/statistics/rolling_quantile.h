// Linear-interpolated quantile q of the last n closes.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/sorted_window.h"
#include "result.h"

namespace tolvex {

class RollingQuantile final : public IndicatorEvaluator {
 public:
  static Result<RollingQuantile, IndicatorError> create(std::size_t n, double q);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.window(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit RollingQuantile(std::size_t n, double q);

  SortedWindow window_;
  double q_;
};

}  // namespace tolvex
