#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/momentum/rsi.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Stochastic RSI: where the RSI sits within the range of its last k
// values, 0 to 100 (50 for a flat window).
class StochRsi final : public IndicatorEvaluator {
 public:
  static Result<StochRsi, IndicatorError> create(std::size_t a, std::size_t k);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return rsi_.period() + values_.capacity(); }

 private:
  StochRsi(Rsi rsi, std::size_t k) : rsi_(std::move(rsi)), values_(k) {}
  Rsi rsi_;
  FifoWindow<double> values_;
};

}  // namespace tolvex
