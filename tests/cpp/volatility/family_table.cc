// This test links the volatility family alone, without the table of all
// families that the whole library provides; the registry's search therefore
// sees this family's rows only.
#include "indicators/families.h"

namespace tolvex {

std::span<const std::span<const IndicatorRow>> registry_families() {
  static const std::span<const IndicatorRow> kFamilies[] = {volatility_rows()};
  return kFamilies;
}

}  // namespace tolvex
