#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// RSI over all moves since the first close: cumulative gains against
// cumulative losses, with no averaging window.
class AnchoredRsi final : public IndicatorEvaluator {
 public:
  static Result<AnchoredRsi, IndicatorError> create() { return AnchoredRsi(); }

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2; }

 private:
  AnchoredRsi() = default;
  std::optional<double> prev_;
  double gains_ = 0.0;
  double losses_ = 0.0;
};

}  // namespace tolvex
