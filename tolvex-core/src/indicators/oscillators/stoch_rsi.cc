#include "indicators/oscillators/stoch_rsi.h"

#include "indicators/oscillators/stochastic.h"

namespace tolvex {

Result<StochRsi, IndicatorError> StochRsi::create(std::size_t a, std::size_t k) {
  if (a == 0 || k == 0) return err(IndicatorError::period_zero());
  auto rsi = Rsi::create(a);
  if (!rsi) return err(rsi.error());
  // The stochastic window is held to the common limit as well, so that an
  // absurd length fails here instead of exhausting memory.
  if (auto st = check_period(k); !st) return err(st.error());
  return StochRsi(std::move(rsi).value(), k);
}

std::optional<double> StochRsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto rsi = rsi_.push(*x);
  if (!rsi) return std::nullopt;
  values_.push(*rsi);
  if (!values_.is_full()) return std::nullopt;
  return stochastic_percent(*rsi, scan_min(values_), scan_max(values_));
}

}  // namespace tolvex
