#include "indicators/statistics/r_squared.h"

#include <algorithm>

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<RSquared, IndicatorError> RSquared::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "R² needs period >= 2");
  if (!ok) return err(ok.error());
  return RSquared(n);
}

RSquared::RSquared(std::size_t n) : core_(n) {}

std::optional<double> RSquared::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> RSquared::push(double x) {
  core_.push(x);
  if (!core_.is_full()) return std::nullopt;
  double syy = core_.syy();
  // A flat window is fitted perfectly by a flat line.
  if (syy == 0) return 1.0;
  double slope = core_.slope();
  double nf = static_cast<double>(core_.period());
  double r2 = slope * slope * (core_.denominator() / nf) / syy;
  return std::clamp(r2, 0.0, 1.0);
}

}  // namespace tolvex
