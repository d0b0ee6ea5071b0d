#include "indicators/families.h"

namespace tolvex {

std::span<const IndicatorRow> bands_rows() {
  return {};
}

}  // namespace tolvex
