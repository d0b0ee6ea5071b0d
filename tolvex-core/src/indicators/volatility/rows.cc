#include "indicators/families.h"

namespace tolvex {

std::span<const IndicatorRow> volatility_rows() {
  return {};
}

}  // namespace tolvex
