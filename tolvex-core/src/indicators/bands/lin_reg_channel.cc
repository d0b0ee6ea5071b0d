#include "indicators/bands/lin_reg_channel.h"

#include "indicators/bands/band_checks.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<LinRegChannel, IndicatorError> LinRegChannel::create(std::size_t n, double m) {
  if (auto s = check_min_period(n, 2, "linear regression channel needs period >= 2"); !s)
    return err(s.error());
  if (auto s = check_multiplier(m); !s) return err(s.error());
  return LinRegChannel(n, m);
}

}  // namespace tolvex
