#pragma once

#include <cstddef>
#include <optional>
#include <utility>

#include "errors.h"
#include "indicator.h"
#include "indicators/volatility/range_volatility.h"
#include "result.h"

namespace tolvex {

// Rogers-Satchell estimator, which allows for drift: term ln(H/C) ln(H/O) + ln(L/C) ln(L/O).
// Annualised with p bars per year, in percent; first value on bar n. Prices
// are not checked for sign: a bar with a zero or negative price puts a
// non-finite term in the window until it leaves and the sum is redone.
class RogersSatchellVolatility final : public IndicatorEvaluator {
 public:
  static Result<RogersSatchellVolatility, IndicatorError> create(std::size_t n,
                                                                 std::size_t bars_per_year);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return est_.period(); }

 private:
  explicit RogersSatchellVolatility(RangeVolatility est) : est_(std::move(est)) {}
  RangeVolatility est_;
};

}  // namespace tolvex
