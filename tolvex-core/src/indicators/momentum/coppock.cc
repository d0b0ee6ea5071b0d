#include "indicators/momentum/coppock.h"

#include <algorithm>

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

Result<Coppock, IndicatorError> Coppock::create(std::size_t r1, std::size_t r2, std::size_t w) {
  if (r1 == 0 || r2 == 0 || w == 0) return err(IndicatorError::period_zero());
  for (std::size_t p : {r1, r2, w})
    if (auto st = check_period(p); !st) return err(st.error());
  return Coppock(r1, r2, w);
}

std::size_t Coppock::warmup() const {
  return std::max(roc1_.period(), roc2_.period()) + wma_.period();
}

std::optional<double> Coppock::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto a = roc1_.push(*x);
  auto b = roc2_.push(*x);
  if (!a || !b) return std::nullopt;
  return feed(wma_, *a + *b);
}

}  // namespace tolvex
