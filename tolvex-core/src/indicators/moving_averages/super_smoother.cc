#include "indicators/moving_averages/super_smoother.h"

#include <cmath>

#include "window.h"

namespace tolvex {

SuperSmoother::SuperSmoother(std::size_t n) {
  constexpr double kSqrt2Pi = 4.442882938158366;
  double s = kSqrt2Pi / static_cast<double>(n);
  double a = std::exp(-s);
  c2_ = (a + a) * std::cos(s);
  c3_ = -(a * a);
  c1_ = (1 - c2_) - c3_;
}

Result<SuperSmoother, IndicatorError> SuperSmoother::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return SuperSmoother(n);
}

std::optional<double> SuperSmoother::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  double out = *x;
  // The first two closes pass through and become the filter history.
  if (count_ >= 2) {
    out = c1_ * midpoint(*x, prev_close_) + c2_ * filt1_ + c3_ * filt2_;
  } else {
    ++count_;
  }
  filt2_ = filt1_;
  filt1_ = out;
  prev_close_ = *x;
  return out;
}

}  // namespace tolvex
