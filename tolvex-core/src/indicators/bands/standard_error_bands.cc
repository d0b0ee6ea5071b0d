#include "indicators/bands/standard_error_bands.h"

#include "indicators/bands/band_checks.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<StandardErrorBands, IndicatorError> StandardErrorBands::create(std::size_t n, double m) {
  if (auto s = check_min_period(n, 3, "standard error bands need period >= 3"); !s)
    return err(s.error());
  if (auto s = check_multiplier(m); !s) return err(s.error());
  return StandardErrorBands(n, m);
}

}  // namespace tolvex
