#include "indicators/moving_averages/wma.h"

#include "window.h"

namespace tolvex {

Result<Wma, IndicatorError> Wma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Wma(n);
}

std::optional<double> Wma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return mean_.push(*x);
}

}  // namespace tolvex
