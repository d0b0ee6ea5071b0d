#include "indicators/moving_averages/ehma.h"

#include "indicators/common/stage_chain.h"
#include "indicators/moving_averages/hull_lengths.h"
#include "window.h"

namespace tolvex {

Ehma::Ehma(std::size_t n) : half_(hull_half(n)), full_(n), root_(hull_root(n)) {}

Result<Ehma, IndicatorError> Ehma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Ehma(n);
}

std::optional<double> Ehma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto h = half_.push(*x);
  auto f = full_.push(*x);
  if (!h || !f) return std::nullopt;
  return feed(root_, std::optional<double>((*h + *h) - *f));
}

}  // namespace tolvex
