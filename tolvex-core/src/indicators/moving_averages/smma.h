#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Wilder's smoothed average: seeded with the mean of the first n closes,
// then (x + smma * (n - 1)) / n.
class Smma final : public IndicatorEvaluator {
 public:
  static Result<Smma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return seed_.period(); }

  std::optional<double> push(double x);

 private:
  explicit Smma(std::size_t n);
  SeedMean seed_;
  double n_;
  double n_minus_1_;
  double value_ = 0;
};

}  // namespace tolvex
