#include "indicators/statistics/mid_point.h"

#include "indicators/statistics/window_range.h"

namespace tolvex {

Result<MidPoint, IndicatorError> MidPoint::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return MidPoint(n);
}

MidPoint::MidPoint(std::size_t n) : window_(n) {}

std::optional<double> MidPoint::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> MidPoint::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  WindowRange r = window_range(window_);
  return midpoint(r.hi, r.lo);
}

}  // namespace tolvex
