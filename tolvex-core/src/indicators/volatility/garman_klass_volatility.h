#pragma once

#include <cstddef>
#include <optional>
#include <utility>

#include "errors.h"
#include "indicator.h"
#include "indicators/volatility/range_volatility.h"
#include "result.h"

namespace tolvex {

// Garman-Klass estimator: term 0.5 ln(H/L)^2 - (2 ln 2 - 1) ln(C/O)^2.
// Annualised with p bars per year, in percent; first value on bar n. Prices
// are not checked for sign: a bar with a zero or negative price puts a
// non-finite term in the window until it leaves and the sum is redone.
class GarmanKlassVolatility final : public IndicatorEvaluator {
 public:
  static Result<GarmanKlassVolatility, IndicatorError> create(std::size_t n,
                                                              std::size_t bars_per_year);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return est_.period(); }

 private:
  explicit GarmanKlassVolatility(RangeVolatility est) : est_(std::move(est)) {}
  RangeVolatility est_;
};

}  // namespace tolvex
