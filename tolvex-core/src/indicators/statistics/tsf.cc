#include "indicators/statistics/tsf.h"

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<Tsf, IndicatorError> Tsf::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "time series forecast needs period >= 2");
  if (!ok) return err(ok.error());
  return Tsf(n);
}

Tsf::Tsf(std::size_t n) : core_(n) {}

std::optional<double> Tsf::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> Tsf::push(double x) {
  core_.push(x);
  if (!core_.is_full()) return std::nullopt;
  return static_cast<double>(core_.period()) * core_.slope() + core_.intercept();
}

}  // namespace tolvex
