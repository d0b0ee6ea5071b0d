// Linear regression channel: the least-squares line through the last n
// closes, evaluated at the newest close, with bands at m residual standard
// deviations.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/regression_channel.h"

namespace tolvex {

class LinRegChannel final : public MultiOutputEvaluator {
 public:
  static Result<LinRegChannel, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return channel_.period(); }

 private:
  LinRegChannel(std::size_t n, double m) : channel_(n, m, 0) {}

  RegressionChannel channel_;
};

}  // namespace tolvex
