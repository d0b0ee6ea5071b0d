// Volume-weighted average price since the first bar, with bands at k
// volume-weighted standard deviations of the typical price. Cumulative: it
// never restarts and keeps no window. The sums are taken relative to the
// first bar's typical price to keep their precision.
#pragma once

#include <cstddef>
#include <optional>

#include "indicator.h"

namespace tolvex {

class VwapStdDevBands final : public MultiOutputEvaluator {
 public:
  static Result<VwapStdDevBands, IndicatorError> create(double k);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  explicit VwapStdDevBands(double k) : k_(k) {}

  double k_;
  std::optional<double> shift_;
  double volume_ = 0;
  double weighted_ = 0;     // sum of volume * (tp - shift)
  double weighted_sq_ = 0;  // sum of volume * (tp - shift)^2
};

}  // namespace tolvex
