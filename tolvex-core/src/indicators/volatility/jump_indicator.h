#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "indicators/common/window_moments.h"
#include "result.h"

namespace tolvex {

// Flags a log return that lies more than k sample standard deviations from
// the mean of the n returns before it: +1 above, -1 below, 0 otherwise (and
// 0 while those returns are all equal). The return joins the window only
// after it has been tested.
class JumpIndicator final : public IndicatorEvaluator {
 public:
  static Result<JumpIndicator, IndicatorError> create(std::size_t n, double k);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return returns_.capacity() + 2; }

 private:
  JumpIndicator(std::size_t n, double k) : returns_(n), k_(k) {}

  LogReturnStage log_return_;
  WindowMoments returns_;
  double k_;
};

}  // namespace tolvex
