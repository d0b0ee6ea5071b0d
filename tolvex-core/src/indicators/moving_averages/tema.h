#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Triple exponential average: (E1 * 3 - E2 * 3) + E3 over cascaded stages.
class Tema final : public IndicatorEvaluator {
 public:
  static Result<Tema, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 3 * e1_.period() - 2; }

  std::optional<double> push(double x);

 private:
  explicit Tema(std::size_t n);
  EmaStage e1_, e2_, e3_;
};

}  // namespace tolvex
