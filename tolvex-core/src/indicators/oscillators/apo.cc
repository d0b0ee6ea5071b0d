#include "indicators/oscillators/apo.h"

#include "window.h"

namespace tolvex {

Result<Apo, IndicatorError> Apo::create(std::size_t fast, std::size_t slow) {
  if (fast == 0 || slow == 0) return err(IndicatorError::period_zero());
  if (fast >= slow)
    return err(IndicatorError::invalid_period("APO fast period must be strictly less than slow"));
  for (std::size_t n : {fast, slow})
    if (auto st = check_period(n); !st) return err(st.error());
  return Apo(fast, slow);
}

std::optional<double> Apo::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto f = fast_.push(*x);
  auto s = slow_.push(*x);
  if (!f || !s) return std::nullopt;
  return *f - *s;
}

}  // namespace tolvex
