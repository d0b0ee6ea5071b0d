#include "indicators/families.h"

namespace tolvex {

std::span<const std::span<const IndicatorRow>> registry_families() {
  static const std::span<const IndicatorRow> kFamilies[] = {
      moving_averages_rows(), volatility_rows(), statistics_rows(),
      bands_rows(),           momentum_rows(),   oscillators_rows(),
  };
  return kFamilies;
}

BuildResult build_indicator(std::string_view name, std::span<const double> params) {
  name = resolve_alias(name);
  for (std::span<const IndicatorRow> rows : registry_families()) {
    for (const IndicatorRow& row : rows) {
      if (row.name.size() == name.size() && row.name == name) return build_from_row(row, params);
    }
  }
  return err(StrategyError::unknown_indicator_type(name));
}

}  // namespace tolvex
