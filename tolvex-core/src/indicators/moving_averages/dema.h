#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Double exponential average: (E1 * 2) - E2, E2 the stage of E1.
class Dema final : public IndicatorEvaluator {
 public:
  static Result<Dema, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2 * e1_.period() - 1; }

  // The stage form: one finite value in, the average out.
  std::optional<double> push(double x);

 private:
  explicit Dema(std::size_t n);
  EmaStage e1_, e2_;
};

}  // namespace tolvex
