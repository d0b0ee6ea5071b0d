#include "indicators/statistics/jarque_bera.h"

#include <cmath>

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<JarqueBera, IndicatorError> JarqueBera::create(std::size_t n) {
  auto ok = check_zero_min_period(n, 4, "Jarque-Bera needs period >= 4");
  if (!ok) return err(ok.error());
  return JarqueBera(n);
}

JarqueBera::JarqueBera(std::size_t n) : window_(n) {}

std::optional<double> JarqueBera::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> JarqueBera::push(double x) {
  window_.push(x);
  run_.push(x);
  if (!window_.is_full()) return std::nullopt;
  if (run_.covers(window_.capacity())) return 0.0;
  double nf = static_cast<double>(window_.size());
  double sum = -0.0;
  window_.for_each([&](double v) { sum += v; });
  double mean = sum / nf;
  double m2 = -0.0;
  double m3 = -0.0;
  double m4 = -0.0;
  window_.for_each([&](double v) {
    double d = v - mean;
    double d2 = d * d;
    m2 += d2;
    m3 += d2 * d;
    m4 += d2 * d2;
  });
  m2 /= nf;
  m3 /= nf;
  m4 /= nf;
  if (m2 == 0) return 0.0;
  double skew = m3 / (m2 * std::sqrt(m2));
  double excess = m4 / (m2 * m2) - 3.0;
  return nf / 6.0 * (skew * skew + excess * excess / 4.0);
}

}  // namespace tolvex
