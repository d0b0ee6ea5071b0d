#include "indicators/volatility/chaikin_volatility.h"

#include <cmath>

namespace tolvex {

Result<ChaikinVolatility, IndicatorError> ChaikinVolatility::create(std::size_t a, std::size_t b) {
  if (auto ok = check_period(a); !ok) return err(ok.error());
  if (auto ok = check_period(b); !ok) return err(ok.error());
  return ChaikinVolatility(a, b);
}

std::optional<double> ChaikinVolatility::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double range = bar->high - bar->low;
  if (!std::isfinite(range)) return std::nullopt;
  auto ema = ema_.push(range);
  if (!ema || !std::isfinite(*ema)) return std::nullopt;
  lagged_.push(*ema);
  if (!lagged_.is_full()) return std::nullopt;
  double old = lagged_.oldest();
  if (old == 0.0) return 0.0;
  return (*ema - old) / old * 100.0;
}

}  // namespace tolvex
