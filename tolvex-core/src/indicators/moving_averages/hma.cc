#include "indicators/moving_averages/hma.h"

#include "window.h"

namespace tolvex {

Result<Hma, IndicatorError> Hma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Hma(n);
}

std::optional<double> Hma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return chain_.push(*x);
}

}  // namespace tolvex
