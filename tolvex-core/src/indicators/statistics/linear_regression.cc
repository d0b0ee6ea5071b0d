#include "indicators/statistics/linear_regression.h"

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<LinearRegression, IndicatorError> LinearRegression::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "linear regression needs period >= 2");
  if (!ok) return err(ok.error());
  return LinearRegression(n);
}

LinearRegression::LinearRegression(std::size_t n) : core_(n) {}

std::optional<double> LinearRegression::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> LinearRegression::push(double x) {
  core_.push(x);
  if (!core_.is_full()) return std::nullopt;
  return (static_cast<double>(core_.period()) - 1.0) * core_.slope() + core_.intercept();
}

}  // namespace tolvex
