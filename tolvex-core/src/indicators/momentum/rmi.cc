#include "indicators/momentum/rmi.h"

#include <algorithm>

namespace tolvex {

Result<Rmi, IndicatorError> Rmi::create(std::size_t n, std::size_t m) {
  auto average = Smma::create(n);
  if (!average) return err(average.error());
  if (auto st = check_period(m); !st) return err(st.error());
  return Rmi(n, m, *average);
}

std::optional<double> Rmi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  lag_.push(*x);
  if (!lag_.is_full()) return std::nullopt;
  double move = *x - lag_.lagged();
  auto up = up_.push(std::max(move, 0.0));
  auto down = down_.push(std::max(-move, 0.0));
  if (!up || !down) return std::nullopt;
  return up_share_percent(*up, *down);
}

}  // namespace tolvex
