#include "indicators/volatility/realized_volatility.h"

#include <cmath>

#include "indicators/common/non_negative.h"

namespace tolvex {

Result<RealizedVolatility, IndicatorError> RealizedVolatility::create(std::size_t n) {
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return RealizedVolatility(n);
}

std::optional<double> RealizedVolatility::update(const IndicatorInput& in) {
  auto r = log_return_.feed(in.candle.close);
  if (!r) return std::nullopt;
  squares_.push(*r * *r);
  if (!squares_.is_full()) return std::nullopt;
  return std::sqrt(non_negative(squares_.sum()));
}

}  // namespace tolvex
