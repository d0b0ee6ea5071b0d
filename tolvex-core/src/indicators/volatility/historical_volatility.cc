#include "indicators/volatility/historical_volatility.h"

#include <cmath>

#include "indicators/common/annualise.h"

namespace tolvex {

Result<HistoricalVolatility, IndicatorError> HistoricalVolatility::create(
    std::size_t n, std::size_t bars_per_year) {
  if (n == 0 || bars_per_year == 0) return err(IndicatorError::period_zero());
  if (n == 1)
    return err(IndicatorError::invalid_period("historical volatility period must be >= 2"));
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return HistoricalVolatility(n, annualisation_factor(bars_per_year));
}

std::optional<double> HistoricalVolatility::update(const IndicatorInput& in) {
  auto r = log_return_.feed(in.candle.close);
  if (!r) return std::nullopt;
  returns_.push(*r);
  if (!returns_.is_full()) return std::nullopt;
  return annualised_percent(std::sqrt(returns_.sample_variance()), factor_);
}

}  // namespace tolvex
