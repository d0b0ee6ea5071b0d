#include "indicators/statistics/standard_error.h"

#include <cmath>

#include "indicators/common/least_squares.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<StandardError, IndicatorError> StandardError::create(std::size_t n) {
  auto ok = check_min_period(n, 3, "standard error needs period >= 3");
  if (!ok) return err(ok.error());
  return StandardError(n);
}

StandardError::StandardError(std::size_t n) : window_(n) {}

std::optional<double> StandardError::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> StandardError::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  return std::sqrt(detrended_rss(window_) / (static_cast<double>(window_.capacity()) - 2.0));
}

}  // namespace tolvex
