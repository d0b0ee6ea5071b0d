#include "indicators/momentum/derivative_oscillator.h"

#include "indicators/common/stage_chain.h"

namespace tolvex {

Result<DerivativeOscillator, IndicatorError> DerivativeOscillator::create(std::size_t a,
                                                                          std::size_t b,
                                                                          std::size_t c,
                                                                          std::size_t d) {
  if (a == 0 || b == 0 || c == 0 || d == 0) return err(IndicatorError::period_zero());
  for (std::size_t p : {a, b, c, d})
    if (auto st = check_period(p); !st) return err(st.error());
  return DerivativeOscillator(a, b, c, d);
}

std::optional<double> DerivativeOscillator::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto e = feed(second_, feed(first_, rsi_.push(*x)));
  if (!e) return std::nullopt;
  signal_.push(*e);
  auto mean = signal_.mean();
  if (!mean) return std::nullopt;
  return *e - *mean;
}

}  // namespace tolvex
