#include "indicators/families.h"

namespace tolvex {

std::span<const std::span<const IndicatorRow>> registry_families() {
  static const std::span<const IndicatorRow> kFamilies[] = {
      moving_averages_rows(), volatility_rows(), statistics_rows(),
      bands_rows(),           momentum_rows(),   oscillators_rows(),
  };
  return kFamilies;
}

}  // namespace tolvex
