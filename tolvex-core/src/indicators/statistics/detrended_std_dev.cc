#include "indicators/statistics/detrended_std_dev.h"

#include <cmath>

#include "indicators/common/least_squares.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<DetrendedStdDev, IndicatorError> DetrendedStdDev::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "detrended stddev needs period >= 2");
  if (!ok) return err(ok.error());
  return DetrendedStdDev(n);
}

DetrendedStdDev::DetrendedStdDev(std::size_t n) : window_(n) {}

std::optional<double> DetrendedStdDev::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> DetrendedStdDev::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  return std::sqrt(detrended_rss(window_) / static_cast<double>(window_.capacity()));
}

}  // namespace tolvex
