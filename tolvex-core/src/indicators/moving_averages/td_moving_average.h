#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/sma.h"
#include "result.h"

namespace tolvex {

// DeMark's pair of moving averages of the bar midpoint, short (st1) and
// long (st2).
class TdMovingAverage final : public MultiOutputEvaluator {
 public:
  static Result<TdMovingAverage, IndicatorError> create(std::size_t a, std::size_t b);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return long_.period(); }

 private:
  TdMovingAverage(Sma s, Sma l) : short_(std::move(s)), long_(std::move(l)) {}
  Sma short_, long_;
};

}  // namespace tolvex
