#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "indicators/common/resummed_sum.h"
#include "result.h"

namespace tolvex {

// Square root of the sum of the last n squared log returns; no mean is
// removed and nothing is annualised.
class RealizedVolatility final : public IndicatorEvaluator {
 public:
  static Result<RealizedVolatility, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return squares_.capacity() + 1; }

 private:
  explicit RealizedVolatility(std::size_t n) : squares_(n) {}

  LogReturnStage log_return_;
  ResummedSum squares_;
};

}  // namespace tolvex
