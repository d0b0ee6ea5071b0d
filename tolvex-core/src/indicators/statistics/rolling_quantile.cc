#include "indicators/statistics/rolling_quantile.h"

#include <cmath>

#include "indicators/statistics/order_statistics.h"

namespace tolvex {

Result<RollingQuantile, IndicatorError> RollingQuantile::create(std::size_t n, double q) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  if (!std::isfinite(q) || q < 0.0 || q > 1.0)
    return err(
        IndicatorError::invalid_parameter("rolling quantile must be a finite value in [0.0, 1.0]"));
  return RollingQuantile(n, q);
}

RollingQuantile::RollingQuantile(std::size_t n, double q) : window_(n), q_(q) {}

std::optional<double> RollingQuantile::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> RollingQuantile::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  return interpolated_quantile(window_.sorted(), q_);
}

}  // namespace tolvex
