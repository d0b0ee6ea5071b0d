#include "indicators/moving_averages/td_moving_average.h"

#include "window.h"

namespace tolvex {

Result<TdMovingAverage, IndicatorError> TdMovingAverage::create(std::size_t a, std::size_t b) {
  if (a == 0 || b == 0) return err(IndicatorError::period_zero());
  if (a >= b)
    return err(IndicatorError::invalid_period(
        "TD moving average ST1 period must be strictly less than ST2"));
  if (auto st = check_period(a); !st) return err(st.error());
  if (auto st = check_period(b); !st) return err(st.error());
  return TdMovingAverage(Sma::create(a).value(), Sma::create(b).value());
}

std::optional<double> TdMovingAverage::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  double mid = midpoint(in.candle.high, in.candle.low);
  auto s = short_.push(mid);
  auto l = long_.push(mid);
  if (!s || !l) return std::nullopt;
  return publish({{"st1", *s}, {"st2", *l}});
}

}  // namespace tolvex
