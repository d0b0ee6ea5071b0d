#pragma once

#include <cstddef>
#include <optional>
#include <utility>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/window_moments.h"
#include "indicators/moving_averages/smma.h"
#include "result.h"

namespace tolvex {

// Relative volatility index: the n-close population standard deviation is
// credited to "up" on a rising close and to "down" on a falling one; both
// are averaged Wilder-style (seeded with the mean of their first n values)
// and the value is 100 * up / (up + down), or 50 when both are 0.
class RviVolatility final : public IndicatorEvaluator {
 public:
  static Result<RviVolatility, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2 * closes_.capacity() - 1; }

 private:
  RviVolatility(std::size_t n, Smma up, Smma down)
      : closes_(n), up_(std::move(up)), down_(std::move(down)) {}

  WindowMoments closes_;
  std::optional<double> prev_close_;
  Smma up_;
  Smma down_;
};

}  // namespace tolvex
