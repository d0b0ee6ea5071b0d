#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/volatility/running_window_sum.h"
#include "result.h"

namespace tolvex {

// Sum of the last s ratios of the a-period EMA of the bar range to the EMA
// of that EMA (a ratio of 1 while the double EMA is 0).
class MassIndex final : public IndicatorEvaluator {
 public:
  static Result<MassIndex, IndicatorError> create(std::size_t a, std::size_t s);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ratios_.capacity() + 2 * single_.period() - 2; }

 private:
  MassIndex(std::size_t a, std::size_t s) : single_(a), double_(a), ratios_(s) {}

  EmaStage single_;
  EmaStage double_;
  RunningWindowSum ratios_;
};

}  // namespace tolvex
