#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/sma.h"
#include "result.h"

namespace tolvex {

// Triangular average: a mean of length n - n/2 whose values feed a mean of
// length n/2 + 1; the first value comes after exactly n closes.
class Trima final : public IndicatorEvaluator {
 public:
  static Result<Trima, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return inner_.period() + outer_.period() - 1; }

 private:
  explicit Trima(std::size_t n);
  Sma inner_, outer_;
};

}  // namespace tolvex
