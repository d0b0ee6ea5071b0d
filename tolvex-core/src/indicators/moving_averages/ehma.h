#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Exponential Hull average: the Hull construction with EMA stages.
class Ehma final : public IndicatorEvaluator {
 public:
  static Result<Ehma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return full_.period() + root_.period() - 1; }

 private:
  explicit Ehma(std::size_t n);
  EmaStage half_, full_, root_;
};

}  // namespace tolvex
