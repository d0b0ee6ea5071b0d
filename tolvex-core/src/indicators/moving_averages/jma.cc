#include "indicators/moving_averages/jma.h"

#include <algorithm>
#include <cmath>

#include "window.h"

namespace tolvex {

namespace {

// b to the power p by repeated squaring.
double int_power(double b, uint32_t p) {
  double result = 1.0;
  while (p != 0) {
    if (p & 1u) result *= b;
    b *= b;
    p >>= 1;
  }
  return result;
}

}  // namespace

Jma::Jma(std::size_t n, double phase, uint32_t power) {
  double k = 0.45 * (static_cast<double>(n) - 1);
  b_ = k / (k + 2);
  a_ = int_power(b_, power);
  r_ = std::clamp(phase / 100 + 1.5, 0.5, 2.5);
}

Result<Jma, IndicatorError> Jma::create(std::size_t n, double phase, uint32_t power) {
  if (auto st = check_period(n); !st) return err(st.error());
  if (!std::isfinite(phase))
    return err(IndicatorError::invalid_period("JMA phase must be a finite value"));
  if (power < 1 || power > 4)
    return err(IndicatorError::invalid_period("JMA power must be in 1..=4"));
  return Jma(n, phase, power);
}

std::optional<double> Jma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  if (!started_) {
    started_ = true;
    e0_ = *x;
    jma_ = *x;
    return jma_;
  }
  e0_ = *x * (1 - a_) + a_ * e0_;
  e1_ = (*x - e0_) * (1 - b_) + b_ * e1_;
  e2_ = (a_ * a_) * e2_ + (1 - a_) * ((1 - a_) * (e0_ + r_ * e1_ - jma_));
  jma_ = jma_ + e2_;
  return jma_;
}

}  // namespace tolvex
