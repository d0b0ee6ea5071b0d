#include "indicators/families.h"

namespace tolvex {

std::span<const IndicatorRow> moving_averages_rows() {
  return {};
}

}  // namespace tolvex
