#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// Elder impulse: +1 when both an EMA of the close and the MACD histogram
// rose since the previous step, -1 when both fell, 0 otherwise.
class ElderImpulse final : public IndicatorEvaluator {
 public:
  static Result<ElderImpulse, IndicatorError> create(std::size_t ema, std::size_t fast,
                                                     std::size_t slow, std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override;

 private:
  ElderImpulse(EmaStage ema, MacdStage macd) : ema_(ema), macd_(macd) {}
  EmaStage ema_;
  MacdStage macd_;
  std::optional<double> prev_ema_;
  std::optional<double> prev_hist_;
};

}  // namespace tolvex
