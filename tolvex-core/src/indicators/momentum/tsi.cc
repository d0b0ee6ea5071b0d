#include "indicators/momentum/tsi.h"

#include <cmath>

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

Result<Tsi, IndicatorError> Tsi::create(std::size_t r, std::size_t s) {
  if (auto st = check_period(r); !st) return err(st.error());
  if (auto st = check_period(s); !st) return err(st.error());
  return Tsi(r, s);
}

std::optional<double> Tsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  std::optional<double> prev = prev_;
  prev_ = *x;
  if (!prev) return std::nullopt;
  double m = *x - *prev;
  auto num = feed(num_short_, num_long_.push(m));
  auto den = feed(den_short_, den_long_.push(std::fabs(m)));
  if (!num || !den) return std::nullopt;
  if (*den == 0.0) return 0.0;
  return *num / *den;
}

}  // namespace tolvex
