// Kase DevStop: a trailing stop set back from the running extreme of the
// trade by the mean plus m sample standard deviations of the two-bar range.
// It starts long, only ratchets in the trade's favour and flips when the
// close crosses it.
#pragma once

#include <cstddef>
#include <optional>

#include "indicator.h"
#include "indicators/common/window_moments.h"

namespace tolvex {

class KaseDevStop final : public MultiOutputEvaluator {
 public:
  static Result<KaseDevStop, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ranges_.capacity() + 1; }

 private:
  KaseDevStop(std::size_t n, double m) : ranges_(n), m_(m) {}

  WindowMoments ranges_;
  double m_;
  std::optional<Candle> prev_;
  int direction_ = 0;
  double extreme_ = 0;
  double stop_ = 0;
};

}  // namespace tolvex
