#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/super_smoother.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Ehlers' universal oscillator: the two-step half change ("white noise")
// through a super smoother, normalised by a slowly decaying peak, -1 .. 1.
class UniversalOscillator final : public IndicatorEvaluator {
 public:
  static Result<UniversalOscillator, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 3; }

 private:
  explicit UniversalOscillator(SuperSmoother filter) : closes_(2), filter_(std::move(filter)) {}
  LagWindow closes_;
  SuperSmoother filter_;
  double peak_ = 0.0;
};

}  // namespace tolvex
