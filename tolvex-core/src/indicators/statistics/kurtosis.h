// Population excess kurtosis of the last n closes; 0 for a flat window.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/window_power_sums.h"
#include "indicators/statistics/equal_run.h"
#include "result.h"

namespace tolvex {

class Kurtosis final : public IndicatorEvaluator {
 public:
  static Result<Kurtosis, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return sums_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit Kurtosis(std::size_t n);

  WindowPowerSums<4> sums_;
  // Spots a flat window, whose value is exact.
  EqualRun run_;
};

}  // namespace tolvex
