#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Zero-lag exponential average: the stage runs on 2x - x[L], L = (n - 1) / 2.
class Zlema final : public IndicatorEvaluator {
 public:
  static Result<Zlema, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ema_.period() + lag_len_; }

 private:
  explicit Zlema(std::size_t n);
  LagWindow lag_;
  std::size_t lag_len_;
  EmaStage ema_;
};

}  // namespace tolvex
