#include "indicators/bands/bollinger_bands.h"

#include "indicators/bands/band_checks.h"
#include "window.h"

namespace tolvex {

Result<BollingerBands, IndicatorError> BollingerBands::create(std::size_t n, double k) {
  if (auto s = check_period_multiplier(n, k); !s) return err(s.error());
  return BollingerBands(n, k);
}

std::optional<double> BollingerBands::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  auto b = core_.push(*close);
  if (!b) return std::nullopt;
  return publish(
      {{"upper", b->upper}, {"middle", b->middle}, {"lower", b->lower}, {"stddev", b->sd}});
}

}  // namespace tolvex
