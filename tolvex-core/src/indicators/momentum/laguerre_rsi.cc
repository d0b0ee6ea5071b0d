#include "indicators/momentum/laguerre_rsi.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

Result<LaguerreRsi, IndicatorError> LaguerreRsi::create(double gamma) {
  if (!std::isfinite(gamma) || gamma < 0.0 || gamma > 1.0)
    return err(
        IndicatorError::invalid_period("LaguerreRSI gamma must be a finite value in [0, 1]"));
  return LaguerreRsi(gamma);
}

std::optional<double> LaguerreRsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  if (!started_) {
    l0_ = l1_ = l2_ = l3_ = *x;
    started_ = true;
    return 50.0;
  }
  double l0 = *x * (1.0 - g_) + l0_ * g_;
  double l1 = g_ * l1_ + (l0_ - g_ * l0);
  double l2 = g_ * l2_ + (l1_ - g_ * l1);
  double l3 = g_ * l3_ + (l2_ - g_ * l2);
  l0_ = l0;
  l1_ = l1;
  l2_ = l2;
  l3_ = l3;
  double cu = 0.0, cd = 0.0;
  for (double d : {l0 - l1, l1 - l2, l2 - l3}) {
    if (d > 0) cu += d;
    if (d < 0) cd += -d;
  }
  double total = cu + cd;
  if (!(total > 0.0)) return 50.0;
  return std::clamp(cu * 100.0 / total, 0.0, 100.0);
}

}  // namespace tolvex
