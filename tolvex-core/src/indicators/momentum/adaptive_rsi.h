#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/resummed_sum.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// An RSI whose averages adapt their speed to the efficiency of the last n
// moves (net change over travelled distance), in the manner of Kaufman's
// adaptive average.
class AdaptiveRsi final : public IndicatorEvaluator {
 public:
  static Result<AdaptiveRsi, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 1; }

 private:
  explicit AdaptiveRsi(std::size_t n) : n_(n), closes_(n), distance_(n) {}
  std::size_t n_;
  LagWindow closes_;
  ResummedSum distance_;
  std::size_t moves_ = 0;
  double up_ = -0.0;
  double down_ = -0.0;
};

}  // namespace tolvex
