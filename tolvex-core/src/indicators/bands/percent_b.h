// %B: where the close sits between the Bollinger bands (0 at the lower
// band, 1 at the upper band).
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/bollinger_core.h"

namespace tolvex {

class PercentB final : public IndicatorEvaluator {
 public:
  static Result<PercentB, IndicatorError> create(std::size_t n, double k);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }

 private:
  PercentB(std::size_t n, double k) : core_(n, k) {}

  BollingerCore core_;
};

}  // namespace tolvex
