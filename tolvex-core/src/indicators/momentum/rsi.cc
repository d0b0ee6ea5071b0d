#include "indicators/momentum/rsi.h"

#include "window.h"

namespace tolvex {

Result<Rsi, IndicatorError> Rsi::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Rsi(n);
}

std::optional<double> Rsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

}  // namespace tolvex
