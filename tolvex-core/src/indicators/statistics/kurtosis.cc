#include "indicators/statistics/kurtosis.h"

#include "indicators/common/non_negative.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<Kurtosis, IndicatorError> Kurtosis::create(std::size_t n) {
  auto ok = check_min_period(n, 4, "kurtosis needs period >= 4");
  if (!ok) return err(ok.error());
  return Kurtosis(n);
}

Kurtosis::Kurtosis(std::size_t n) : sums_(n) {}

std::optional<double> Kurtosis::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> Kurtosis::push(double x) {
  sums_.push(x);
  run_.push(x);
  if (!sums_.is_full()) return std::nullopt;
  if (run_.covers(sums_.capacity())) return 0.0;
  double m1 = sums_.moment(1);
  double m2 = sums_.moment(2);
  double m3 = sums_.moment(3);
  double m4 = sums_.moment(4);
  double m1sq = m1 * m1;
  double v = non_negative(m2 - m1sq);
  if (v == 0) return 0.0;
  return (m4 - 4.0 * m1 * m3 + 6.0 * m1sq * m2 - 3.0 * (m1sq * m1sq)) / (v * v) - 3.0;
}

}  // namespace tolvex
