#include "indicators/volatility/jump_indicator.h"

#include <cmath>

namespace tolvex {

Result<JumpIndicator, IndicatorError> JumpIndicator::create(std::size_t n, double k) {
  if (n <= 1) return err(IndicatorError::invalid_period("jump indicator needs period >= 2"));
  if (auto ok = check_period(n); !ok) return err(ok.error());
  if (!std::isfinite(k) || k <= 0.0)
    return err(
        IndicatorError::invalid_parameter("jump indicator threshold must be finite and positive"));
  return JumpIndicator(n, k);
}

std::optional<double> JumpIndicator::update(const IndicatorInput& in) {
  auto r = log_return_.feed(in.candle.close);
  if (!r) return std::nullopt;
  std::optional<double> flag;
  if (returns_.is_full()) {
    double var = returns_.sample_variance();
    flag = 0.0;
    if (var != 0.0) {
      double band = k_ * std::sqrt(var);
      double d = *r - returns_.mean();
      if (d > band) flag = 1.0;
      if (d < -band) flag = -1.0;
    }
  }
  returns_.push(*r);
  return flag;
}

}  // namespace tolvex
