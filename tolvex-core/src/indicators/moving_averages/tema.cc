#include "indicators/moving_averages/tema.h"

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

Tema::Tema(std::size_t n) : e1_(n), e2_(n), e3_(n) {}

Result<Tema, IndicatorError> Tema::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Tema(n);
}

std::optional<double> Tema::push(double x) {
  auto e1 = e1_.push(x);
  auto e2 = feed(e2_, e1);
  auto e3 = feed(e3_, e2);
  if (!e3) return std::nullopt;
  return (*e1 * 3 - *e2 * 3) + *e3;
}

std::optional<double> Tema::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

}  // namespace tolvex
