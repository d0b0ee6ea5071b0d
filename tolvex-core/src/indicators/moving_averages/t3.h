#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Tillson T3: six cascaded exponential stages combined with coefficients
// from the volume factor v.
class T3 final : public IndicatorEvaluator {
 public:
  static Result<T3, IndicatorError> create(std::size_t n, double v);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 6 * stages_[0].period() - 5; }

 private:
  T3(std::size_t n, double v);
  std::array<EmaStage, 6> stages_;
  double c1_, c2_, c3_, c4_;
};

}  // namespace tolvex
