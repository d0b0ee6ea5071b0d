// ATR bands: the close with bands at m times Wilder's average true range.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/volatility/atr.h"

namespace tolvex {

class AtrBands final : public MultiOutputEvaluator {
 public:
  static Result<AtrBands, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return atr_.warmup(); }

 private:
  AtrBands(std::size_t n, double m) : atr_(Atr::create(n).value()), m_(m) {}

  Atr atr_;
  double m_;
};

}  // namespace tolvex
