// The evaluator behind the regression channels: the last n closes, their
// least-squares line (fitted after centring on the window mean) evaluated at
// the newest close, and bands at m times sqrt(residual sum of squares /
// (n - lost)), where `lost` is the number of degrees of freedom the channel
// gives up. The concrete types differ only in `lost` and their rules.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/ols_line.h"
#include "window.h"

namespace tolvex {

class RegressionChannel : public MultiOutputEvaluator {
 public:
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return closes_.capacity(); }

 protected:
  RegressionChannel(std::size_t n, double m, std::size_t lost)
      : closes_(n), line_(n), m_(m), divisor_(static_cast<double>(n - lost)) {}

 private:
  FifoWindow<double> closes_;
  OlsLine line_;
  double m_;
  double divisor_;
};

}  // namespace tolvex
