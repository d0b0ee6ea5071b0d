#include "indicators/bands/projection_bands.h"

#include <cmath>
#include <limits>

namespace tolvex {

Result<ProjectionBands, IndicatorError> ProjectionBands::create(std::size_t n) {
  if (n <= 1) return err(IndicatorError::invalid_period("projection bands need period >= 2"));
  if (auto s = check_period(n); !s) return err(s.error());
  return ProjectionBands(n);
}

std::optional<double> ProjectionBands::update(const IndicatorInput& in) {
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
  for (std::size_t i = 0; i < n; ++i) {
    double ahead = static_cast<double>(n - 1 - i);
    upper = std::fmax(upper, highs_[i] + slope_high * ahead);
    lower = std::fmin(lower, lows_[i] + slope_low * ahead);
  }
  return publish({{"upper", upper}, {"middle", midpoint(upper, lower)}, {"lower", lower}});
}

}  // namespace tolvex
