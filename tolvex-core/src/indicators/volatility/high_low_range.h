#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// The bar's range relative to its close: (high - low) / close, 0 for a bar
// closing at 0.
class HighLowRange final : public IndicatorEvaluator {
 public:
  static Result<HighLowRange, IndicatorError> create();

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  HighLowRange() = default;
};

}  // namespace tolvex
