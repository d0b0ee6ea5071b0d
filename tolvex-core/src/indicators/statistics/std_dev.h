// Population standard deviation of the last n closes.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/flat_moments.h"
#include "result.h"

namespace tolvex {

class StdDev final : public IndicatorEvaluator {
 public:
  static Result<StdDev, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return moments_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit StdDev(std::size_t n);

  FlatAwareMoments moments_;
};

}  // namespace tolvex
