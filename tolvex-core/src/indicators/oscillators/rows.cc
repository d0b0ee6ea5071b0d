#include "indicators/families.h"

namespace tolvex {

std::span<const IndicatorRow> oscillators_rows() {
  return {};
}

}  // namespace tolvex
