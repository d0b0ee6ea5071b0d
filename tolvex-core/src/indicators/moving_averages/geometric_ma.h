#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Geometric mean of the last n closes, exp of the mean log; closes at or
// below zero are not accepted.
class GeometricMa final : public IndicatorEvaluator {
 public:
  static Result<GeometricMa, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return logs_.capacity(); }

 private:
  explicit GeometricMa(std::size_t n);
  FifoWindow<double> logs_;
  double sum_ = -0.0;
  std::size_t pushes_ = 0;
};

}  // namespace tolvex
