// Bollinger bandwidth: the band spread as a fraction of the middle band.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/bollinger_core.h"

namespace tolvex {

class BollingerBandwidth final : public IndicatorEvaluator {
 public:
  static Result<BollingerBandwidth, IndicatorError> create(std::size_t n, double k);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }

 private:
  BollingerBandwidth(std::size_t n, double k) : core_(n, k) {}

  BollingerCore core_;
};

}  // namespace tolvex
