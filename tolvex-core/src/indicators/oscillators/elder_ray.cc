#include "indicators/oscillators/elder_ray.h"

#include "window.h"

namespace tolvex {

Result<ElderRay, IndicatorError> ElderRay::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return ElderRay(n);
}

std::optional<double> ElderRay::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  auto e = ema_.push(in.candle.close);
  if (!e) return std::nullopt;
  return publish({{"bull_power", in.candle.high - *e}, {"bear_power", in.candle.low - *e}});
}

}  // namespace tolvex
