// Midpoint of the highest high and the lowest low of the last n valid bars.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class MidPrice final : public IndicatorEvaluator {
 public:
  static Result<MidPrice, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return highs_.capacity(); }
  // Feeds one validated bar; the value once n bars are held.
  std::optional<double> push(const Candle& bar);

 private:
  explicit MidPrice(std::size_t n);

  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
};

}  // namespace tolvex
