#include "indicators/moving_averages/dema.h"

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

Dema::Dema(std::size_t n) : e1_(n), e2_(n) {}

Result<Dema, IndicatorError> Dema::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Dema(n);
}

std::optional<double> Dema::push(double x) {
  auto e1 = e1_.push(x);
  auto e2 = feed(e2_, e1);
  if (!e2) return std::nullopt;
  return *e1 * 2 - *e2;
}

std::optional<double> Dema::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

}  // namespace tolvex
