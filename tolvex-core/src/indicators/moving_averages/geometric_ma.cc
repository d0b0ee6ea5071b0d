#include "indicators/moving_averages/geometric_ma.h"

#include <cmath>

namespace tolvex {

GeometricMa::GeometricMa(std::size_t n) : logs_(n) {}

Result<GeometricMa, IndicatorError> GeometricMa::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return GeometricMa(n);
}

std::optional<double> GeometricMa::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x || !(*x > 0)) return std::nullopt;
  double lx = std::log(*x);
  if (logs_.is_full()) sum_ = sum_ - logs_.pop_front();
  logs_.push(lx);
  sum_ = sum_ + lx;
  if (++pushes_ >= logs_.capacity()) {
    pushes_ = 0;
    double s = -0.0;
    logs_.for_each([&](double v) { s += v; });
    sum_ = s;
  }
  if (!logs_.is_full()) return std::nullopt;
  return std::exp(sum_ / static_cast<double>(logs_.capacity()));
}

}  // namespace tolvex
