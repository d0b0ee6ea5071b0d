#include "indicators/bands/elder_safe_zone.h"

#include <algorithm>

#include "indicators/bands/band_checks.h"

namespace tolvex {

Result<ElderSafeZone, IndicatorError> ElderSafeZone::create(std::size_t n, double m) {
  if (auto s = check_period_multiplier(n, m); !s) return err(s.error());
  return ElderSafeZone(n, m);
}

void ElderSafeZone::Penetrations::push(double x) {
  if (values.is_full()) {
    double old = values.pop_front();
    sum -= old;
    if (old > 0) --positive;
  }
  values.push(x);
  sum += x;
  if (x > 0) ++positive;
}

std::optional<double> ElderSafeZone::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  if (!prev_) {
    prev_ = bar;
    return std::nullopt;
  }
  down_.push(std::max(prev_->low - bar->low, 0.0));
  up_.push(std::max(bar->high - prev_->high, 0.0));
  prev_ = bar;
  if (!down_.values.is_full()) return std::nullopt;

  double long_stop = bar->low - m_ * down_.average();
  double short_stop = bar->high + m_ * up_.average();
  if (direction_ == 0) {
    direction_ = 1;
    stop_ = long_stop;
  } else if (direction_ > 0) {
    stop_ = std::max(stop_, long_stop);
    if (bar->close < stop_) {
      direction_ = -1;
      stop_ = short_stop;
    }
  } else {
    stop_ = std::min(stop_, short_stop);
    if (bar->close > stop_) {
      direction_ = 1;
      stop_ = long_stop;
    }
  }
  return publish({{"value", stop_}, {"direction", static_cast<double>(direction_)}});
}

}  // namespace tolvex
