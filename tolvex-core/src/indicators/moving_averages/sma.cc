#include "indicators/moving_averages/sma.h"

namespace tolvex {

Result<Sma, IndicatorError> Sma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Sma(n);
}

std::optional<double> Sma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

}  // namespace tolvex
