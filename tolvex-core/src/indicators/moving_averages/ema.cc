#include "indicators/moving_averages/ema.h"

#include "window.h"

namespace tolvex {

Result<Ema, IndicatorError> Ema::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Ema(n);
}

std::optional<double> Ema::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return stage_.push(*x);
}

}  // namespace tolvex
