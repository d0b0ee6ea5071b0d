// Population standard deviation of the last n closes over their signed mean
// (a ratio, not a percentage); 0 when the mean is 0.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/flat_moments.h"
#include "result.h"

namespace tolvex {

class CoefficientOfVariation final : public IndicatorEvaluator {
 public:
  static Result<CoefficientOfVariation, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return moments_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit CoefficientOfVariation(std::size_t n);

  FlatAwareMoments moments_;
};

}  // namespace tolvex
