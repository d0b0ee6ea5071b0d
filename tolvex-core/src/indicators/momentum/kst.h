#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/momentum/rate_of_change_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Know sure thing: four smoothed rates of change of growing span, weighted
// 1, 2, 3, 4, with a simple-mean signal line. Outputs "kst" and "signal".
class Kst final : public MultiOutputEvaluator {
 public:
  // Four ROC periods, four smoothing periods, the signal period.
  using Periods = std::array<std::size_t, 9>;
  static Result<Kst, IndicatorError> create(const Periods& p);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return warmup_; }

 private:
  explicit Kst(const Periods& p);
  std::array<RateOfChangeStage, 4> rocs_;
  std::array<SumWindow, 4> means_;
  SumWindow signal_;
  std::size_t warmup_;
};

}  // namespace tolvex
