#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/weighted_mean.h"
#include "indicators/momentum/rate_of_change_stage.h"
#include "result.h"

namespace tolvex {

// Coppock curve: the weighted mean of the sum of two rates of change.
class Coppock final : public IndicatorEvaluator {
 public:
  static Result<Coppock, IndicatorError> create(std::size_t r1, std::size_t r2, std::size_t w);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override;

 private:
  Coppock(std::size_t r1, std::size_t r2, std::size_t w) : roc1_(r1), roc2_(r2), wma_(w) {}
  RateOfChangeStage roc1_;
  RateOfChangeStage roc2_;
  WeightedMean wma_;
};

}  // namespace tolvex
