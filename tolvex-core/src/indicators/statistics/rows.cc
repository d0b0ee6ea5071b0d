#include "indicators/families.h"

namespace tolvex {

std::span<const IndicatorRow> statistics_rows() {
  return {};
}

}  // namespace tolvex
