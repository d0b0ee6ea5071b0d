#include "indicators/oscillators/stoch_rsi.h"

#include "indicators/common/storage_check.h"
#include "indicators/oscillators/stochastic.h"

namespace tolvex {

Result<StochRsi, IndicatorError> StochRsi::create(std::size_t a, std::size_t k) {
  if (a == 0 || k == 0) return err(IndicatorError::period_zero());
  auto rsi = Rsi::create(a);
  if (!rsi) return err(rsi.error());
  // The stochastic window has no upper bound of its own, but an absurd
  // length must still fail as an error rather than abort the process.
  if (auto st = check_storage(k, sizeof(double)); !st) return err(st.error());
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
