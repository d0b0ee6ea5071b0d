#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/rsi_stage.h"
#include "result.h"

namespace tolvex {

// The Fisher transform of the RSI rescaled to -1 .. 1, which stretches
// readings near the extremes.
class FisherRsi final : public IndicatorEvaluator {
 public:
  static Result<FisherRsi, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return rsi_.period() + 1; }

 private:
  explicit FisherRsi(std::size_t n) : rsi_(n) {}
  RsiStage rsi_;
};

}  // namespace tolvex
