#include "indicators/momentum/projection_oscillator.h"

#include <cmath>
#include <limits>

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<ProjectionOscillator, IndicatorError> ProjectionOscillator::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "projection bands need period >= 2");
  if (!ok) return err(ok.error());
  return ProjectionOscillator(n);
}

std::optional<double> ProjectionOscillator::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  highs_.push(bar->high);
  lows_.push(bar->low);
  if (!highs_.is_full()) return std::nullopt;
  double slope_high = line_.fit_centred(highs_).slope;
  double slope_low = line_.fit_centred(lows_).slope;
  double upper = -std::numeric_limits<double>::infinity();
  double lower = std::numeric_limits<double>::infinity();
  std::size_t n = highs_.size();
  for (std::size_t k = 0; k < n; ++k) {
    double ahead = static_cast<double>(n - 1 - k);
    upper = std::fmax(upper, highs_[k] + slope_high * ahead);
    lower = std::fmin(lower, lows_[k] + slope_low * ahead);
  }
  if (upper == lower) return 50.0;
  return (bar->close - lower) * 100.0 / (upper - lower);
}

}  // namespace tolvex
