// Bollinger bands: the mean of the last n closes with bands at k population
// standard deviations.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/bollinger_core.h"

namespace tolvex {

class BollingerBands final : public MultiOutputEvaluator {
 public:
  static Result<BollingerBands, IndicatorError> create(std::size_t n, double k);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }

 private:
  BollingerBands(std::size_t n, double k) : core_(n, k) {}

  BollingerCore core_;
};

}  // namespace tolvex
