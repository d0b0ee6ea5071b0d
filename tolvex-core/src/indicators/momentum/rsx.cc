#include "indicators/momentum/rsx.h"

#include <algorithm>
#include <cmath>

#include "window.h"

namespace tolvex {

Rsx::Rsx(std::size_t n) : n_(n), a_(3.0 / (static_cast<double>(n) + 2.0)), b_(1.0 - a_) {}

Result<Rsx, IndicatorError> Rsx::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Rsx(n);
}

// Returns 1.5 * f5 - 0.5 * smooth(f5), the lag-compensated chain output.
double Rsx::Chain::push(double input, double a, double b) {
  auto smooth = [&](double& state, double v) {
    state = state * b + v * a;
    return state;
  };
  double f1 = smooth(s[0], input);
  double f2 = smooth(s[1], f1);
  double f3 = smooth(s[2], 1.5 * f1 - 0.5 * f2);
  double f4 = smooth(s[3], f3);
  double f5 = smooth(s[4], 1.5 * f3 - 0.5 * f4);
  double f6 = smooth(s[5], f5);
  return 1.5 * f5 - 0.5 * f6;
}

std::optional<double> Rsx::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  if (!prev_) {
    prev_ = *x;
    return std::nullopt;
  }
  double d = *x - *prev_;
  prev_ = *x;
  double num = signed_.push(d, a_, b_);
  double den = magnitude_.push(std::fabs(d), a_, b_);
  if (moves_ < n_) ++moves_;
  if (moves_ < n_) return std::nullopt;
  double value = den > 0.0 ? (num / den + 1.0) * 50.0 : 50.0;
  return std::clamp(value, 0.0, 100.0);
}

}  // namespace tolvex
