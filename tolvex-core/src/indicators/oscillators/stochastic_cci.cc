#include "indicators/oscillators/stochastic_cci.h"

#include <cmath>

#include "indicators/oscillators/stochastic.h"

namespace tolvex {

Result<StochasticCci, IndicatorError> StochasticCci::create(std::size_t n) {
  auto cci = Cci::create(n);
  if (!cci) return err(cci.error());
  return StochasticCci(n, std::move(cci).value());
}

std::optional<double> StochasticCci::update(const IndicatorInput& in) {
  auto cci = cci_.update(in);
  if (!cci || !std::isfinite(*cci)) return std::nullopt;
  double hi = max_.push(*cci);
  double lo = min_.push(*cci);
  if (!max_.is_full()) return std::nullopt;
  return stochastic_percent(*cci, lo, hi);
}

}  // namespace tolvex
