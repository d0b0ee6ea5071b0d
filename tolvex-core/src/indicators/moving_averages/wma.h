#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/weighted_mean.h"
#include "result.h"

namespace tolvex {

// Linearly weighted mean of the last n closes, newest weight n.
class Wma final : public IndicatorEvaluator {
 public:
  static Result<Wma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return mean_.period(); }

  std::optional<double> push(double x) { return mean_.push(x); }

 private:
  explicit Wma(std::size_t n) : mean_(n) {}
  WeightedMean mean_;
};

}  // namespace tolvex
