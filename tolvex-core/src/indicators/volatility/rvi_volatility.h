#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/window_moments.h"
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
  std::size_t warmup() const override { return 2 * n_ - 1; }

 private:
  explicit RviVolatility(std::size_t n)
      : n_(n), n_minus_one_(static_cast<double>(n) - 1.0), closes_(n) {}

  std::size_t n_;
  double n_minus_one_;
  WindowMoments closes_;
  std::optional<double> prev_close_;
  std::size_t seeded_count_ = 0;
  double up_ = -0.0;
  double down_ = -0.0;
};

}  // namespace tolvex
