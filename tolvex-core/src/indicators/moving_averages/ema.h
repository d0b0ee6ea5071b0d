#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Exponential average of the close, seeded with the mean of the first n.
class Ema final : public IndicatorEvaluator {
 public:
  static Result<Ema, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return stage_.period(); }

  std::optional<double> push(double x) { return stage_.push(x); }

 private:
  explicit Ema(std::size_t n) : stage_(n) {}
  EmaStage stage_;
};

}  // namespace tolvex
