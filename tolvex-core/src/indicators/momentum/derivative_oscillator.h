#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/common/rsi_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Constance Brown's derivative oscillator: the doubly smoothed RSI minus
// its own simple mean.
class DerivativeOscillator final : public IndicatorEvaluator {
 public:
  static Result<DerivativeOscillator, IndicatorError> create(std::size_t a, std::size_t b,
                                                             std::size_t c, std::size_t d);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override {
    return rsi_.period() + first_.period() + second_.period() + signal_.capacity() - 2;
  }

 private:
  DerivativeOscillator(std::size_t a, std::size_t b, std::size_t c, std::size_t d)
      : rsi_(a), first_(b), second_(c), signal_(d) {}
  RsiStage rsi_;
  EmaStage first_;
  EmaStage second_;
  SumWindow signal_;
};

}  // namespace tolvex
