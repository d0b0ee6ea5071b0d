#include "indicators/moving_averages/trima.h"

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

// Both lengths are at most n, so they pass whenever n does.
Trima::Trima(std::size_t n)
    : inner_(Sma::create(n - n / 2).value()), outer_(Sma::create(n / 2 + 1).value()) {}

Result<Trima, IndicatorError> Trima::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Trima(n);
}

std::optional<double> Trima::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return feed(outer_, inner_.push(*x));
}

}  // namespace tolvex
