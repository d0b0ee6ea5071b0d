#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Percent change of the triple-smoothed exponential average of the close.
class Trix final : public IndicatorEvaluator {
 public:
  static Result<Trix, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 3 * e1_.period() - 1; }

 private:
  explicit Trix(std::size_t n) : e1_(n), e2_(n), e3_(n) {}
  EmaStage e1_;
  EmaStage e2_;
  EmaStage e3_;
  std::optional<double> prev_;
};

}  // namespace tolvex
