#include "indicators/momentum/projection_oscillator.h"

namespace tolvex {

// The bands refuse every period below 2, zero included, with their own
// message, which is the oscillator's rule as well.
Result<ProjectionOscillator, IndicatorError> ProjectionOscillator::create(std::size_t n) {
  auto bands = ProjectionBands::create(n);
  if (!bands) return err(bands.error());
  return ProjectionOscillator(std::move(bands).value());
}

std::optional<double> ProjectionOscillator::update(const IndicatorInput& in) {
  // The bands validate the bar; a value means the bar was accepted.
  auto upper = bands_.update(in);
  if (!upper) return std::nullopt;
  double lower = *bands_.fields().find("lower");
  if (*upper == lower) return 50.0;
  return (in.candle.close - lower) * 100.0 / (*upper - lower);
}

}  // namespace tolvex
