#include "indicators/statistics/std_dev.h"

#include <cmath>

namespace tolvex {

Result<StdDev, IndicatorError> StdDev::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return StdDev(n);
}

StdDev::StdDev(std::size_t n) : moments_(n) {}

std::optional<double> StdDev::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> StdDev::push(double x) {
  moments_.push(x);
  if (!moments_.is_full()) return std::nullopt;
  return std::sqrt(moments_.population_variance());
}

}  // namespace tolvex
