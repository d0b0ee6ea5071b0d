#include "indicators/volatility/parkinson_volatility.h"

#include <cmath>

namespace tolvex {

namespace {
constexpr double kInverseFourLn2 = 0.3606737602222412;
}

Result<ParkinsonVolatility, IndicatorError> ParkinsonVolatility::create(std::size_t n,
                                                                        std::size_t bars_per_year) {
  auto est = RangeVolatility::create(n, bars_per_year, kInverseFourLn2);
  if (!est) return err(est.error());
  return ParkinsonVolatility(std::move(est).value());
}

std::optional<double> ParkinsonVolatility::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double hl = std::log(bar->high / bar->low);
  return est_.push(hl * hl);
}

}  // namespace tolvex
