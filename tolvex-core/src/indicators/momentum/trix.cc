#include "indicators/momentum/trix.h"

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

Result<Trix, IndicatorError> Trix::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Trix(n);
}

std::optional<double> Trix::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto e3 = feed(e3_, feed(e2_, e1_.push(*x)));
  if (!e3) return std::nullopt;
  std::optional<double> prev = prev_;
  prev_ = *e3;
  if (!prev) return std::nullopt;
  if (*prev == 0.0) return 0.0;
  return (*e3 - *prev) * 100.0 / *prev;
}

}  // namespace tolvex
