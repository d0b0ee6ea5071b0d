#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Percent change over b bars of the a-period EMA of the bar range; 0 when
// the EMA b bars ago was 0.
class ChaikinVolatility final : public IndicatorEvaluator {
 public:
  static Result<ChaikinVolatility, IndicatorError> create(std::size_t a, std::size_t b);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ema_.period() + lagged_.capacity() - 1; }

 private:
  ChaikinVolatility(std::size_t a, std::size_t b) : ema_(a), lagged_(b + 1) {}

  EmaStage ema_;
  FifoWindow<double> lagged_;
};

}  // namespace tolvex
