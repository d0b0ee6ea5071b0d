#include "indicators/families.h"
#include "indicators/momentum/rsi.h"

namespace tolvex {

std::span<const IndicatorRow> momentum_rows() {
  static const IndicatorRow kRows[] = {
      {"Rsi", "P", [](const Params& p) { return box(Rsi::create(p.usize(0))); }},
  };
  return kRows;
}

}  // namespace tolvex
