#include "indicators/moving_averages/vidya.h"

#include <cmath>

#include "window.h"

namespace tolvex {

Result<Vidya, IndicatorError> Vidya::create(std::size_t n, std::size_t m) {
  if (n == 0 || m == 0) return err(IndicatorError::period_zero());
  // Only the momentum window is storage; the smoothing length is a rate.
  if (auto st = check_period(m); !st) return err(st.error());
  return Vidya(n, m);
}

std::optional<double> Vidya::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto cmo = cmo_.push(*x);
  if (!cmo) return std::nullopt;
  double k = (std::fabs(*cmo) / 100) * alpha_;
  double base = value_ ? *value_ : *x;
  value_ = *x * k + (1 - k) * base;
  return value_;
}

}  // namespace tolvex
