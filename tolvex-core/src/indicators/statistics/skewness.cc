#include "indicators/statistics/skewness.h"

#include <cmath>

#include "indicators/common/non_negative.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<Skewness, IndicatorError> Skewness::create(std::size_t n) {
  auto ok = check_min_period(n, 3, "skewness needs period >= 3");
  if (!ok) return err(ok.error());
  return Skewness(n);
}

Skewness::Skewness(std::size_t n) : sums_(n) {}

std::optional<double> Skewness::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> Skewness::push(double x) {
  sums_.push(x);
  run_.push(x);
  if (!sums_.is_full()) return std::nullopt;
  if (run_.covers(sums_.capacity())) return 0.0;
  double m1 = sums_.moment(1);
  double m2 = sums_.moment(2);
  double m3 = sums_.moment(3);
  double v = non_negative(m2 - m1 * m1);
  if (v == 0) return 0.0;
  return (m3 - 3.0 * m1 * m2 + 2.0 * (m1 * m1 * m1)) / (v * std::sqrt(v));
}

}  // namespace tolvex
