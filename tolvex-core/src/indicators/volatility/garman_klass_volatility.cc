#include "indicators/volatility/garman_klass_volatility.h"

#include <cmath>

namespace tolvex {

namespace {
constexpr double kTwoLn2MinusOne = 0.3862943611198906;
}

Result<GarmanKlassVolatility, IndicatorError> GarmanKlassVolatility::create(
    std::size_t n, std::size_t bars_per_year) {
  auto est = RangeVolatility::create(n, bars_per_year, 1.0);
  if (!est) return err(est.error());
  return GarmanKlassVolatility(std::move(est).value());
}

std::optional<double> GarmanKlassVolatility::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double hl = std::log(bar->high / bar->low);
  double co = std::log(bar->close / bar->open);
  return est_.push(0.5 * (hl * hl) - kTwoLn2MinusOne * (co * co));
}

}  // namespace tolvex
