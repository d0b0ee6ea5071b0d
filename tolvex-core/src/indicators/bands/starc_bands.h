// STARC bands: a simple average of the close with bands at m times
// Wilder's average true range.
#pragma once

#include <algorithm>
#include <cstddef>

#include "indicator.h"
#include "indicators/volatility/atr.h"
#include "window.h"

namespace tolvex {

class StarcBands final : public MultiOutputEvaluator {
 public:
  static Result<StarcBands, IndicatorError> create(std::size_t a, std::size_t b, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return std::max(sma_.capacity(), atr_.warmup()); }

 private:
  StarcBands(std::size_t a, std::size_t b, double m)
      : sma_(a), atr_(Atr::create(b).value()), m_(m) {}

  SumWindow sma_;
  Atr atr_;
  double m_;
};

}  // namespace tolvex
