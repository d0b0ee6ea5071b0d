#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/momentum/signed_sums.h"
#include "result.h"

namespace tolvex {

// Intraday momentum index: an RSI of the bar bodies (close - open) over the
// last n bars.
class IntradayMomentumIndex final : public IndicatorEvaluator {
 public:
  static Result<IntradayMomentumIndex, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return bodies_.capacity(); }

 private:
  explicit IntradayMomentumIndex(std::size_t n) : bodies_(n) {}
  SignedSums bodies_;
};

}  // namespace tolvex
