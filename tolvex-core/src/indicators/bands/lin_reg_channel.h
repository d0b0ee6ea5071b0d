// Linear regression channel: the least-squares line through the last n
// closes, evaluated at the newest close, with bands at m residual standard
// deviations.
#pragma once

#include <cstddef>

#include "indicators/bands/regression_channel.h"

namespace tolvex {

class LinRegChannel final : public RegressionChannel {
 public:
  static Result<LinRegChannel, IndicatorError> create(std::size_t n, double m);

 private:
  LinRegChannel(std::size_t n, double m) : RegressionChannel(n, m, 0) {}
};

}  // namespace tolvex
