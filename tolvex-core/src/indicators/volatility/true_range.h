#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/true_range.h"
#include "result.h"

namespace tolvex {

// The true range of every validated bar; the first bar's is high - low.
class TrueRange final : public IndicatorEvaluator {
 public:
  static Result<TrueRange, IndicatorError> create();

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  TrueRange() = default;
  TrueRangeStage tr_;
};

}  // namespace tolvex
