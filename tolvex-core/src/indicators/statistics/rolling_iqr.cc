#include "indicators/statistics/rolling_iqr.h"

#include "indicators/statistics/order_statistics.h"

namespace tolvex {

Result<RollingIqr, IndicatorError> RollingIqr::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return RollingIqr(n);
}

RollingIqr::RollingIqr(std::size_t n) : window_(n) {}

std::optional<double> RollingIqr::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> RollingIqr::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  return interpolated_quantile(window_.sorted(), 0.75) -
         interpolated_quantile(window_.sorted(), 0.25);
}

}  // namespace tolvex
