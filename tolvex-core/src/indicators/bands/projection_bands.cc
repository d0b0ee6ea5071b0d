#include "indicators/bands/projection_bands.h"

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<ProjectionBands, IndicatorError> ProjectionBands::create(std::size_t n) {
  if (auto s = check_min_period(n, 2, "projection bands need period >= 2"); !s)
    return err(s.error());
  return ProjectionBands(n);
}

std::optional<double> ProjectionBands::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  auto e = envelope_.push(*bar);
  if (!e) return std::nullopt;
  return publish(
      {{"upper", e->upper}, {"middle", midpoint(e->upper, e->lower)}, {"lower", e->lower}});
}

}  // namespace tolvex
