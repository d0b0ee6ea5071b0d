#include "indicators/moving_averages/ehma.h"

#include "window.h"

namespace tolvex {

Result<Ehma, IndicatorError> Ehma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Ehma(n);
}

std::optional<double> Ehma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return chain_.push(*x);
}

}  // namespace tolvex
