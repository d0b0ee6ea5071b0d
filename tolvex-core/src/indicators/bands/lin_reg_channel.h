// Linear regression channel: the least-squares line through the last n
// closes, evaluated at the newest close, with bands at m residual standard
// deviations.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/ols_line.h"
#include "window.h"

namespace tolvex {

class LinRegChannel final : public MultiOutputEvaluator {
 public:
  static Result<LinRegChannel, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return closes_.capacity(); }

 private:
  LinRegChannel(std::size_t n, double m) : closes_(n), line_(n), m_(m) {}

  FifoWindow<double> closes_;
  OlsLine line_;
  double m_;
};

}  // namespace tolvex
