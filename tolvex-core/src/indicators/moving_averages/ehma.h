#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/moving_averages/hull_chain.h"
#include "result.h"

namespace tolvex {

// Exponential Hull average: the Hull construction with EMA stages.
class Ehma final : public IndicatorEvaluator {
 public:
  static Result<Ehma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return chain_.warmup(); }

 private:
  explicit Ehma(std::size_t n) : chain_(n) {}
  HullChain<EmaStage> chain_;
};

}  // namespace tolvex
