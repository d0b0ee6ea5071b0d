#include "indicators/bands/bollinger_bandwidth.h"

#include "indicators/bands/band_checks.h"
#include "window.h"

namespace tolvex {

Result<BollingerBandwidth, IndicatorError> BollingerBandwidth::create(std::size_t n, double k) {
  if (auto s = check_period_multiplier(n, k); !s) return err(s.error());
  return BollingerBandwidth(n, k);
}

std::optional<double> BollingerBandwidth::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  auto b = core_.push(*close);
  if (!b) return std::nullopt;
  if (b->middle == 0) return 0.0;
  return (b->upper - b->lower) / b->middle;
}

}  // namespace tolvex
