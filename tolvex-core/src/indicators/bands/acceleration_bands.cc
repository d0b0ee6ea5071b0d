#include "indicators/bands/acceleration_bands.h"

#include "indicators/bands/band_checks.h"

namespace tolvex {

Result<AccelerationBands, IndicatorError> AccelerationBands::create(std::size_t n, double f) {
  if (auto s = check_multiplier_period(f, n); !s) return err(s.error());
  return AccelerationBands(n, f);
}

std::optional<double> AccelerationBands::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double total = bar->high + bar->low;
  double w = total == 0 ? 0.0 : (bar->high - bar->low) / total;
  upper_.push(bar->high * (1 + f_ * w));
  close_.push(bar->close);
  lower_.push(bar->low * (1 - f_ * w));
  if (!close_.is_full()) return std::nullopt;
  return publish(
      {{"upper", *upper_.mean()}, {"middle", *close_.mean()}, {"lower", *lower_.mean()}});
}

}  // namespace tolvex
