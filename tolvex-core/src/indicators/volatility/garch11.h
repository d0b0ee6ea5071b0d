#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "result.h"

namespace tolvex {

// GARCH(1,1) conditional volatility with fixed coefficients. The first
// return sees the long-run variance omega / (1 - alpha - beta); later steps
// use sigma2 = omega + alpha * r2_prev + beta * sigma2_prev, so a return
// moves the value of the step after it.
class Garch11 final : public IndicatorEvaluator {
 public:
  static Result<Garch11, IndicatorError> create(double omega, double alpha, double beta);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2; }

 private:
  Garch11(double omega, double alpha, double beta)
      : omega_(omega), alpha_(alpha), beta_(beta), long_run_(omega / (1.0 - alpha - beta)) {}

  double omega_;
  double alpha_;
  double beta_;
  double long_run_;
  LogReturnStage log_return_;
  bool started_ = false;
  double prev_sq_ = 0.0;
  double prev_var_ = 0.0;
};

}  // namespace tolvex
