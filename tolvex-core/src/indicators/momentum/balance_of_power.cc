#include "indicators/momentum/balance_of_power.h"

namespace tolvex {

std::optional<double> BalanceOfPower::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  if (bar->high == bar->low) return 0.0;
  return (bar->close - bar->open) / (bar->high - bar->low);
}

}  // namespace tolvex
