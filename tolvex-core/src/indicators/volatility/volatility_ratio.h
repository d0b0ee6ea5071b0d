#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/true_range.h"
#include "result.h"

namespace tolvex {

// The bar's true range divided by the n-period EMA of the true range as it
// stood before the bar (0 while that EMA is 0). The first bar only gives
// the previous close and the EMA is seeded with the mean of the next n
// ranges, so values start on bar n + 2.
class VolatilityRatio final : public IndicatorEvaluator {
 public:
  static Result<VolatilityRatio, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 2; }

 private:
  explicit VolatilityRatio(std::size_t n)
      : n_(n), alpha_(2.0 / (static_cast<double>(n) + 1.0)), beta_(1.0 - alpha_) {}

  std::size_t n_;
  double alpha_;
  double beta_;
  TrueRangeStage tr_;
  std::size_t seen_ = 0;
  double sum_ = -0.0;
  double ema_ = 0.0;
};

}  // namespace tolvex
