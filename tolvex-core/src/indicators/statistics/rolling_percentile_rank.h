// Percentile rank (0 to 100) of the close among the last n closes, ties
// counted half: (below + 0.5 * equal) / n * 100.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class RollingPercentileRank final : public IndicatorEvaluator {
 public:
  static Result<RollingPercentileRank, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit RollingPercentileRank(std::size_t n);

  FifoWindow<double> window_;
};

}  // namespace tolvex
