#include "indicators/oscillators/stochastic.h"

#include <cmath>

namespace tolvex {

Result<Stochastic, IndicatorError> Stochastic::create(std::size_t k, std::size_t d) {
  if (auto st = check_period(k); !st) return err(st.error());
  if (auto st = check_period(d); !st) return err(st.error());
  return Stochastic(k, std::move(Sma::create(d).value()));
}

std::optional<double> Stochastic::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  double hh = highs_.push(in.candle.high);
  double ll = lows_.push(in.candle.low);
  if (!highs_.is_full()) return std::nullopt;
  double k = stochastic_percent(in.candle.close, ll, hh);
  if (!std::isfinite(k)) return std::nullopt;
  auto d = d_.push(k);
  if (!d) return std::nullopt;
  return publish({{"k", k}, {"d", *d}});
}

}  // namespace tolvex
