#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// MACD with the fixed 12/26 coefficients 0.15 and 0.075 and a free signal
// period.
class MacdFix final : public MultiOutputEvaluator {
 public:
  static Result<MacdFix, IndicatorError> create(std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return stage_.warmup(); }

 private:
  explicit MacdFix(std::size_t signal);
  MacdStage stage_;
};

}  // namespace tolvex
