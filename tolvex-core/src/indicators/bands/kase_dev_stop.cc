#include "indicators/bands/kase_dev_stop.h"

#include <algorithm>
#include <cmath>

#include "indicators/bands/band_checks.h"
#include "indicators/statistics/period_rules.h"
#include "window.h"

namespace tolvex {

Result<KaseDevStop, IndicatorError> KaseDevStop::create(std::size_t n, double m) {
  if (auto s = check_min_period(n, 2, "Kase DevStop period must be >= 2"); !s)
    return err(s.error());
  if (auto s = check_multiplier(m); !s) return err(s.error());
  return KaseDevStop(n, m);
}

std::optional<double> KaseDevStop::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  if (!prev_) {
    prev_ = bar;
    return std::nullopt;
  }
  ranges_.push(std::max(bar->high, prev_->high) - std::min(bar->low, prev_->low));
  prev_ = bar;
  if (!ranges_.is_full()) return std::nullopt;

  double dev = ranges_.mean() + m_ * std::sqrt(ranges_.sample_variance());
  if (direction_ == 0) {
    direction_ = 1;
    extreme_ = bar->high;
    stop_ = bar->high - dev;
  } else if (direction_ > 0) {
    extreme_ = std::max(extreme_, bar->high);
    stop_ = std::max(stop_, extreme_ - dev);
    if (bar->close < stop_) {
      direction_ = -1;
      extreme_ = bar->low;
      stop_ = bar->low + dev;
    }
  } else {
    extreme_ = std::min(extreme_, bar->low);
    stop_ = std::min(stop_, extreme_ + dev);
    if (bar->close > stop_) {
      direction_ = 1;
      extreme_ = bar->high;
      stop_ = bar->high - dev;
    }
  }
  return publish({{"value", stop_}, {"direction", static_cast<double>(direction_)}});
}

}  // namespace tolvex
