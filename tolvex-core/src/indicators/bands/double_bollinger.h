// Double Bollinger bands: an inner and an outer pair of bands at k_inner
// and k_outer standard deviations around the same mean.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/bollinger_core.h"

namespace tolvex {

class DoubleBollinger final : public MultiOutputEvaluator {
 public:
  static Result<DoubleBollinger, IndicatorError> create(std::size_t n, double k_inner,
                                                        double k_outer);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }

 private:
  DoubleBollinger(std::size_t n, double k_inner, double k_outer)
      : core_(n, k_outer), k_inner_(k_inner) {}

  BollingerCore core_;  // runs with the outer multiplier
  double k_inner_;
};

}  // namespace tolvex
