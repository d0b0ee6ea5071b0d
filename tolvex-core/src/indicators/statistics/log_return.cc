#include "indicators/statistics/log_return.h"

#include <cmath>

namespace tolvex {

Result<LogReturn, IndicatorError> LogReturn::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return LogReturn(n);
}

LogReturn::LogReturn(std::size_t n) : window_(n), n_(n) {}

std::optional<double> LogReturn::update(const IndicatorInput& in) {
  double x = in.candle.close;
  if (!std::isfinite(x) || !(x > 0)) return std::nullopt;
  return push(x);
}

std::optional<double> LogReturn::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  return std::log(x / window_.lagged());
}

}  // namespace tolvex
