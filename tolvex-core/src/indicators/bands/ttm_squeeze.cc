#include "indicators/bands/ttm_squeeze.h"

#include <cmath>

#include "indicators/bands/band_checks.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<TtmSqueeze, IndicatorError> TtmSqueeze::create(std::size_t n, double k_bb, double k_kc) {
  if (auto s = check_min_period(n, 2, "TTM squeeze needs period >= 2 for the momentum regression");
      !s)
    return err(s.error());
  if (auto s = check_multiplier(k_bb); !s) return err(s.error());
  if (auto s = check_multiplier(k_kc); !s) return err(s.error());
  return TtmSqueeze(n, k_bb, k_kc);
}

std::optional<double> TtmSqueeze::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  highs_.push(bar->high);
  lows_.push(bar->low);
  closes_.push(bar->close);
  sma_.push(bar->close);
  auto atr = atr_.push(*bar);
  auto sma = sma_.mean();
  if (!closes_.is_full() || !sma || !atr) return std::nullopt;

  double mean = closes_.mean();
  double sd = std::sqrt(closes_.population_variance());
  double bb_upper = mean + k_bb_ * sd, bb_lower = mean - k_bb_ * sd;
  double kc_upper = *sma + k_kc_ * *atr, kc_lower = *sma - k_kc_ * *atr;
  bool squeeze = bb_lower >= kc_lower && bb_upper <= kc_upper;

  double centre = midpoint(midpoint(scan_max(highs_), scan_min(lows_)), *sma);
  OlsLine::Fit fit = line_.fit_about(closes_.window(), centre);
  return publish({{"squeeze", squeeze ? 1.0 : 0.0}, {"momentum", line_.newest_shifted(fit)}});
}

}  // namespace tolvex
