#include "indicators/momentum/fisher_transform.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

Result<FisherTransform, IndicatorError> FisherTransform::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return FisherTransform(n);
}

std::optional<double> FisherTransform::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  double hi = highest_.push(*x);
  double lo = lowest_.push(*x);
  if (!highest_.is_full()) return std::nullopt;
  double range = hi - lo;
  double v = range > 0.0 ? ((*x - lo) / range) * 2.0 - 1.0 : 0.0;
  // Clamped short of +-1, where the logarithm diverges.
  smoothed_ = std::clamp(smoothed_ * 0.67 + v * 0.33, -0.999, 0.999);
  last_ = last_ * 0.5 + std::log((1.0 + smoothed_) / (1.0 - smoothed_)) * 0.5;
  return last_;
}

}  // namespace tolvex
