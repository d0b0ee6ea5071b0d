#include "indicators/volatility/atr.h"

#include "window.h"

namespace tolvex {

Result<Atr, IndicatorError> Atr::create(std::size_t n) {
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return Atr(n);
}

std::optional<double> Atr::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  return push(*bar);
}

}  // namespace tolvex
