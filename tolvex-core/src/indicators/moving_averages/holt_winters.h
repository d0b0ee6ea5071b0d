#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// Holt's linear (double exponential) smoothing: level plus trend.
class HoltWinters final : public IndicatorEvaluator {
 public:
  static Result<HoltWinters, IndicatorError> create(double alpha, double beta);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2; }

 private:
  HoltWinters(double alpha, double beta) : alpha_(alpha), beta_(beta) {}
  double alpha_, beta_;
  std::size_t count_ = 0;
  double first_ = 0;
  double level_ = 0;
  double trend_ = 0;
};

}  // namespace tolvex
