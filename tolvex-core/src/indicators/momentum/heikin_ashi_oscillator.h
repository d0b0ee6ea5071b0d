#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// The exponential average of the Heikin-Ashi body (smoothed close minus
// smoothed open): positive while the smoothed candles are rising.
class HeikinAshiOscillator final : public IndicatorEvaluator {
 public:
  static Result<HeikinAshiOscillator, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ema_.period(); }

 private:
  explicit HeikinAshiOscillator(std::size_t n) : ema_(n) {}
  EmaStage ema_;
  bool started_ = false;
  double ha_open_ = 0.0;
  double ha_close_ = 0.0;
};

}  // namespace tolvex
