#include "indicators/bands/starc_bands.h"

#include "indicators/bands/band_checks.h"

namespace tolvex {

Result<StarcBands, IndicatorError> StarcBands::create(std::size_t a, std::size_t b, double m) {
  if (auto s = check_multiplier_periods(m, a, b); !s) return err(s.error());
  return StarcBands(a, b, m);
}

std::optional<double> StarcBands::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  sma_.push(bar->close);
  auto atr = atr_.push(*bar);
  auto middle = sma_.mean();
  if (!middle || !atr) return std::nullopt;
  double width = m_ * *atr;
  return publish({{"upper", *middle + width}, {"middle", *middle}, {"lower", *middle - width}});
}

}  // namespace tolvex
