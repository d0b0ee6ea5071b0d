#include "indicators/momentum/cmo.h"

#include "window.h"

namespace tolvex {

Result<Cmo, IndicatorError> Cmo::create(std::size_t m) {
  if (auto st = check_period(m); !st) return err(st.error());
  return Cmo(m);
}

std::optional<double> Cmo::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return stage_.push(*x);
}

}  // namespace tolvex
