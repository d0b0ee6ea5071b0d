#include "indicators/bands/atr_bands.h"

#include "indicators/bands/band_checks.h"
#include "window.h"

namespace tolvex {

Result<AtrBands, IndicatorError> AtrBands::create(std::size_t n, double m) {
  if (auto s = check_multiplier_period(m, n); !s) return err(s.error());
  return AtrBands(n, m);
}

std::optional<double> AtrBands::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  auto atr = atr_.push(*bar);
  if (!atr) return std::nullopt;
  double width = m_ * *atr;
  return publish(
      {{"upper", bar->close + width}, {"middle", bar->close}, {"lower", bar->close - width}});
}

}  // namespace tolvex
