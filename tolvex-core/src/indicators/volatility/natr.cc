#include "indicators/volatility/natr.h"

namespace tolvex {

Result<Natr, IndicatorError> Natr::create(std::size_t n) {
  auto atr = Atr::create(n);
  if (!atr) return err(atr.error());
  return Natr(std::move(atr).value());
}

std::optional<double> Natr::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  auto atr = atr_.push(*bar);
  if (!atr) return std::nullopt;
  if (bar->close == 0.0) return 0.0;
  return 100.0 * *atr / bar->close;
}

}  // namespace tolvex
