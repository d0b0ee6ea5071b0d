#include "indicators/statistics/rolling_percentile_rank.h"

namespace tolvex {

Result<RollingPercentileRank, IndicatorError> RollingPercentileRank::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return RollingPercentileRank(n);
}

RollingPercentileRank::RollingPercentileRank(std::size_t n) : window_(n) {}

std::optional<double> RollingPercentileRank::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> RollingPercentileRank::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  std::size_t below = 0;
  std::size_t equal = 0;
  window_.for_each([&](double v) {
    if (v < x)
      ++below;
    else if (v == x)
      ++equal;
  });
  return (static_cast<double>(below) + 0.5 * static_cast<double>(equal)) /
         static_cast<double>(window_.capacity()) * 100.0;
}

}  // namespace tolvex
