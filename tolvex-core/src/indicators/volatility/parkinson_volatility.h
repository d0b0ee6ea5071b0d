#pragma once

#include <cstddef>
#include <optional>
#include <utility>

#include "errors.h"
#include "indicator.h"
#include "indicators/volatility/range_volatility.h"
#include "result.h"

namespace tolvex {

// Parkinson's estimator from the high-low range: term ln(H/L)^2, scaled by 1 / (4 ln 2).
// Annualised with p bars per year, in percent; first value on bar n. Prices
// are not checked for sign: a bar with a zero or negative price puts a
// non-finite term in the window until it leaves and the sum is redone.
class ParkinsonVolatility final : public IndicatorEvaluator {
 public:
  static Result<ParkinsonVolatility, IndicatorError> create(std::size_t n,
                                                            std::size_t bars_per_year);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return est_.period(); }

 private:
  explicit ParkinsonVolatility(RangeVolatility est) : est_(std::move(est)) {}
  RangeVolatility est_;
};

}  // namespace tolvex
