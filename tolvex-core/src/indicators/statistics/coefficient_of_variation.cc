#include "indicators/statistics/coefficient_of_variation.h"

#include <cmath>

namespace tolvex {

Result<CoefficientOfVariation, IndicatorError> CoefficientOfVariation::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return CoefficientOfVariation(n);
}

CoefficientOfVariation::CoefficientOfVariation(std::size_t n) : moments_(n) {}

std::optional<double> CoefficientOfVariation::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> CoefficientOfVariation::push(double x) {
  moments_.push(x);
  if (!moments_.is_full()) return std::nullopt;
  double mean = moments_.mean();
  if (mean == 0) return 0.0;
  return std::sqrt(moments_.population_variance()) / mean;
}

}  // namespace tolvex
