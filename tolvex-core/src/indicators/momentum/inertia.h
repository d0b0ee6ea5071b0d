#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/linear_regression.h"
#include "indicators/volatility/rvi_volatility.h"
#include "result.h"

namespace tolvex {

// Dorsey's inertia: the relative volatility index smoothed by its n-step
// least-squares line (the line's value at the newest point).
class Inertia final : public IndicatorEvaluator {
 public:
  static Result<Inertia, IndicatorError> create(std::size_t a, std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return rvi_.warmup() + line_.warmup() - 1; }

 private:
  Inertia(RviVolatility rvi, LinearRegression line)
      : rvi_(std::move(rvi)), line_(std::move(line)) {}
  RviVolatility rvi_;
  LinearRegression line_;
};

}  // namespace tolvex
