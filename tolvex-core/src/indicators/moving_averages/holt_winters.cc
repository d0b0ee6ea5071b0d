#include "indicators/moving_averages/holt_winters.h"

namespace tolvex {

Result<HoltWinters, IndicatorError> HoltWinters::create(double alpha, double beta) {
  if (!(alpha > 0 && alpha <= 1))
    return err(IndicatorError::invalid_period("HoltWinters alpha must be in (0.0, 1.0]"));
  if (!(beta > 0 && beta <= 1))
    return err(IndicatorError::invalid_period("HoltWinters beta must be in (0.0, 1.0]"));
  return HoltWinters(alpha, beta);
}

std::optional<double> HoltWinters::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  if (count_ == 0) {
    first_ = *x;
    count_ = 1;
    return std::nullopt;
  }
  if (count_ == 1) {
    level_ = *x;
    trend_ = *x - first_;
    count_ = 2;
    return level_ + trend_;
  }
  double level = *x * alpha_ + (level_ + trend_) * (1 - alpha_);
  trend_ = trend_ * (1 - beta_) + beta_ * (level - level_);
  level_ = level;
  return level_ + trend_;
}

}  // namespace tolvex
