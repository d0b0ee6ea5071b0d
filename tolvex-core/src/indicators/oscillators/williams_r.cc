#include "indicators/oscillators/williams_r.h"

namespace tolvex {

Result<WilliamsR, IndicatorError> WilliamsR::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return WilliamsR(n);
}

std::optional<double> WilliamsR::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  bars_.push({in.candle.high, in.candle.low});
  if (!bars_.is_full()) return std::nullopt;
  double hh = scan_max(bars_, [](const Range& r) { return r.high; });
  double ll = scan_min(bars_, [](const Range& r) { return r.low; });
  if (hh == ll) return -50.0;
  return (hh - in.candle.close) * -100.0 / (hh - ll);
}

}  // namespace tolvex
