#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// Balance of power: the bar's body as a share of its range, -1 .. 1.
class BalanceOfPower final : public IndicatorEvaluator {
 public:
  static Result<BalanceOfPower, IndicatorError> create() { return BalanceOfPower(); }

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  BalanceOfPower() = default;
};

}  // namespace tolvex
