#include "indicators/statistics/variance.h"

namespace tolvex {

Result<Variance, IndicatorError> Variance::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return Variance(n);
}

Variance::Variance(std::size_t n) : moments_(n) {}

std::optional<double> Variance::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> Variance::push(double x) {
  moments_.push(x);
  if (!moments_.is_full()) return std::nullopt;
  return moments_.population_variance();
}

}  // namespace tolvex
