#include "indicators/statistics/mid_price.h"

#include "indicators/statistics/window_range.h"

namespace tolvex {

Result<MidPrice, IndicatorError> MidPrice::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return MidPrice(n);
}

MidPrice::MidPrice(std::size_t n) : highs_(n), lows_(n) {}

std::optional<double> MidPrice::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  return push(*bar);
}

std::optional<double> MidPrice::push(const Candle& bar) {
  highs_.push(bar.high);
  lows_.push(bar.low);
  if (!highs_.is_full()) return std::nullopt;
  double hi = window_range(highs_).hi;
  double lo = window_range(lows_).lo;
  return midpoint(hi, lo);
}

}  // namespace tolvex
