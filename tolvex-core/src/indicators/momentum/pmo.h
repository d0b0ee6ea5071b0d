#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Price momentum oscillator: the one-step percent change, smoothed twice by
// exponential smoothers with alpha = 2 / length (not 2 / (length + 1)).
class Pmo final : public IndicatorEvaluator {
 public:
  static Result<Pmo, IndicatorError> create(std::size_t a, std::size_t b);

  std::optional<double> update(const IndicatorInput& in) override;
  // A declared nominal figure: the first value comes after a + b closes.
  std::size_t warmup() const override { return 2; }

 private:
  // Seeded with the mean of the first n inputs like every exponential
  // stage, but smoothing with alpha = 2 / n.
  Pmo(std::size_t a, std::size_t b)
      : first_(a, 2.0 / static_cast<double>(a)), second_(b, 2.0 / static_cast<double>(b)) {}
  EmaStage first_;
  EmaStage second_;
  std::optional<double> prev_;
};

}  // namespace tolvex
