#include "indicators/statistics/z_score.h"

#include <cmath>

namespace tolvex {

Result<ZScore, IndicatorError> ZScore::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return ZScore(n);
}

ZScore::ZScore(std::size_t n) : moments_(n) {}

std::optional<double> ZScore::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> ZScore::push(double x) {
  moments_.push(x);
  if (!moments_.is_full()) return std::nullopt;
  double v = moments_.population_variance();
  if (v == 0) return 0.0;
  return (x - moments_.mean()) / std::sqrt(v);
}

}  // namespace tolvex
