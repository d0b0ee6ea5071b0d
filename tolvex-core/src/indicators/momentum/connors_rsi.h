#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/rsi_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Connors RSI: the mean of a short RSI of the close, an RSI of the up/down
// streak length, and the percent rank of the latest one-step return among
// the last n returns.
class ConnorsRsi final : public IndicatorEvaluator {
 public:
  static Result<ConnorsRsi, IndicatorError> create(std::size_t a, std::size_t b, std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override;

 private:
  ConnorsRsi(std::size_t a, std::size_t b, std::size_t n)
      : close_rsi_(a), streak_rsi_(b), returns_(n) {}
  RsiStage close_rsi_;
  RsiStage streak_rsi_;
  FifoWindow<double> returns_;
  std::optional<double> prev_;
  double streak_ = 0.0;
};

}  // namespace tolvex
