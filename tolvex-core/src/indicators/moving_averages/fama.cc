#include "indicators/moving_averages/fama.h"

namespace tolvex {

Result<Fama, IndicatorError> Fama::create(double fast_limit, double slow_limit) {
  if (auto st = MesaAdaptive::check(fast_limit, slow_limit); !st) return err(st.error());
  return Fama(MesaAdaptive(fast_limit, slow_limit));
}

std::optional<double> Fama::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto lines = engine_.push(*x);
  if (!lines) return std::nullopt;
  return lines->fama;
}

}  // namespace tolvex
