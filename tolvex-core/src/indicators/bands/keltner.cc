#include "indicators/bands/keltner.h"

#include "indicators/bands/band_checks.h"
#include "window.h"

namespace tolvex {

Result<Keltner, IndicatorError> Keltner::create(std::size_t a, std::size_t b, double m) {
  if (auto s = check_multiplier_periods(m, a, b); !s) return err(s.error());
  return Keltner(a, b, m);
}

std::optional<double> Keltner::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  // Both stages see every bar, so each seeds on its own schedule.
  auto middle = ema_.push(bar->close);
  auto atr = atr_.push(*bar);
  if (!middle || !atr) return std::nullopt;
  double width = m_ * *atr;
  return publish({{"upper", *middle + width}, {"middle", *middle}, {"lower", *middle - width}});
}

}  // namespace tolvex
