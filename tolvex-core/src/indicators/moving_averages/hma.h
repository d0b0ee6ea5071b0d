#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/weighted_mean.h"
#include "indicators/moving_averages/hull_chain.h"
#include "result.h"

namespace tolvex {

// Hull average: a weighted mean of length round(sqrt(n)) over
// 2 * Wma(n/2) - Wma(n).
class Hma final : public IndicatorEvaluator {
 public:
  static Result<Hma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return chain_.warmup(); }

 private:
  explicit Hma(std::size_t n) : chain_(n) {}
  HullChain<WeightedMean> chain_;
};

}  // namespace tolvex
