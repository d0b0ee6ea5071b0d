#include "indicators/statistics/rolling_min_max_scaler.h"

#include "indicators/statistics/period_rules.h"
#include "indicators/statistics/window_range.h"

namespace tolvex {

Result<RollingMinMaxScaler, IndicatorError> RollingMinMaxScaler::create(std::size_t n) {
  auto ok = check_zero_min_period(n, 2, "min-max scaler needs period >= 2");
  if (!ok) return err(ok.error());
  return RollingMinMaxScaler(n);
}

RollingMinMaxScaler::RollingMinMaxScaler(std::size_t n) : window_(n) {}

std::optional<double> RollingMinMaxScaler::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> RollingMinMaxScaler::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  WindowRange r = window_range(window_);
  double range = r.hi - r.lo;
  if (range > 0) return (x - r.lo) / range;
  return 0.5;
}

}  // namespace tolvex
