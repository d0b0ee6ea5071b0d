#include "indicators/moving_averages/zlema.h"

#include <cmath>

namespace tolvex {

Zlema::Zlema(std::size_t n) : lag_((n - 1) / 2), lag_len_((n - 1) / 2), ema_(n) {}

Result<Zlema, IndicatorError> Zlema::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Zlema(n);
}

std::optional<double> Zlema::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  lag_.push(*x);
  if (!lag_.is_full()) return std::nullopt;
  double adjusted = std::fma(*x, 2.0, -lag_.lagged());
  if (!std::isfinite(adjusted)) return std::nullopt;
  return ema_.push(adjusted);
}

}  // namespace tolvex
