#include "indicators/families.h"
#include "indicators/volatility/atr.h"
#include "indicators/volatility/natr.h"
#include "indicators/volatility/true_range.h"

namespace tolvex {

std::span<const IndicatorRow> volatility_rows() {
  static const IndicatorRow kRows[] = {
      {"Atr", "P", [](const Params& p) { return box(Atr::create(p.usize(0))); }},
      {"Natr", "P", [](const Params& p) { return box(Natr::create(p.usize(0))); }},
      {"TrueRange", "", [](const Params&) { return box(TrueRange::create()); }},
  };
  return kRows;
}

}  // namespace tolvex
