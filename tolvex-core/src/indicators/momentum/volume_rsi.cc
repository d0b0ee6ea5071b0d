#include "indicators/momentum/volume_rsi.h"

#include <algorithm>

#include "window.h"

namespace tolvex {

Result<VolumeRsi, IndicatorError> VolumeRsi::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return VolumeRsi(n);
}

std::optional<double> VolumeRsi::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double v = bar->volume;
  if (!prev_) {
    prev_ = v;
    return std::nullopt;
  }
  double up = std::max(v - *prev_, 0.0);
  double down = std::max(*prev_ - v, 0.0);
  prev_ = v;
  auto avg_up = up_.push(up);
  auto avg_down = down_.push(down);
  if (!avg_up || !avg_down) return std::nullopt;
  return up_share_percent(*avg_up, *avg_down);
}

}  // namespace tolvex
