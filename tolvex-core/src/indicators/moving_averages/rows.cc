#include "indicators/families.h"
#include "indicators/moving_averages/ema.h"
#include "indicators/moving_averages/sma.h"
#include "indicators/moving_averages/wma.h"

namespace tolvex {

std::span<const IndicatorRow> moving_averages_rows() {
  static const IndicatorRow kRows[] = {
      {"Ema", "P", [](const Params& p) { return box(Ema::create(p.usize(0))); }},
      {"Sma", "P", [](const Params& p) { return box(Sma::create(p.usize(0))); }},
      {"Wma", "P", [](const Params& p) { return box(Wma::create(p.usize(0))); }},
  };
  return kRows;
}

}  // namespace tolvex
