#include "indicators/families.h"

namespace tolvex {

std::span<const IndicatorRow> momentum_rows() {
  return {};
}

}  // namespace tolvex
