#include "indicators/bands/donchian.h"

namespace tolvex {

Result<Donchian, IndicatorError> Donchian::create(std::size_t n) {
  if (auto s = check_period(n); !s) return err(s.error());
  return Donchian(n);
}

std::optional<double> Donchian::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  highs_.push(bar->high);
  lows_.push(bar->low);
  if (!highs_.is_full()) return std::nullopt;
  double upper = scan_max(highs_);
  double lower = scan_min(lows_);
  return publish({{"upper", upper}, {"middle", midpoint(upper, lower)}, {"lower", lower}});
}

}  // namespace tolvex
