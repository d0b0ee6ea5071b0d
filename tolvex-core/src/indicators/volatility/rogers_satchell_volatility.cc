#include "indicators/volatility/rogers_satchell_volatility.h"

#include "indicators/volatility/rogers_satchell_term.h"

namespace tolvex {

Result<RogersSatchellVolatility, IndicatorError> RogersSatchellVolatility::create(
    std::size_t n, std::size_t bars_per_year) {
  auto est = RangeVolatility::create(n, bars_per_year, 1.0);
  if (!est) return err(est.error());
  return RogersSatchellVolatility(std::move(est).value());
}

std::optional<double> RogersSatchellVolatility::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  return est_.push(rogers_satchell_term(*bar));
}

}  // namespace tolvex
