#include "indicators/moving_averages/generalized_dema.h"

#include <cmath>

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

Result<GeneralizedDema, IndicatorError> GeneralizedDema::create(std::size_t n, double v) {
  if (auto st = check_period(n); !st) return err(st.error());
  if (!std::isfinite(v) || v < 0 || v > 1)
    return err(
        IndicatorError::invalid_period("GD volume factor must be a finite value in [0.0, 1.0]"));
  return GeneralizedDema(n, v);
}

std::optional<double> GeneralizedDema::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto e1 = e1_.push(*x);
  auto e2 = feed(e2_, e1);
  if (!e2) return std::nullopt;
  return *e1 * (v_ + 1) - *e2 * v_;
}

}  // namespace tolvex
