#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// Ehlers' two-pole super smoother of the close.
class SuperSmoother final : public IndicatorEvaluator {
 public:
  static Result<SuperSmoother, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  explicit SuperSmoother(std::size_t n);
  double c1_, c2_, c3_;
  std::size_t count_ = 0;
  double prev_close_ = 0;
  double filt1_ = 0;
  double filt2_ = 0;
};

}  // namespace tolvex
