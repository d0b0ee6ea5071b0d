#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Generalised double exponential average: E1 * (v + 1) - E2 * v. It is
// also the building block of T3.
class GeneralizedDema final : public IndicatorEvaluator {
 public:
  static Result<GeneralizedDema, IndicatorError> create(std::size_t n, double v);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2 * e1_.period() - 1; }

 private:
  GeneralizedDema(std::size_t n, double v) : e1_(n), e2_(n), v_(v) {}
  EmaStage e1_, e2_;
  double v_;
};

}  // namespace tolvex
