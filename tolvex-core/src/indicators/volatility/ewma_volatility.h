#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "result.h"

namespace tolvex {

// RiskMetrics-style volatility: var = lambda * var + (1 - lambda) * r^2 over
// log returns, started at the first squared return; yields sqrt(var).
class EwmaVolatility final : public IndicatorEvaluator {
 public:
  static Result<EwmaVolatility, IndicatorError> create(double lambda);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2; }

 private:
  explicit EwmaVolatility(double lambda) : lambda_(lambda), weight_(1.0 - lambda) {}

  double lambda_;
  double weight_;
  LogReturnStage log_return_;
  std::optional<double> var_;
};

}  // namespace tolvex
