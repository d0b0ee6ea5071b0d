#include "indicators/bands/hurst_channel.h"

#include "indicators/bands/band_checks.h"

namespace tolvex {

Result<HurstChannel, IndicatorError> HurstChannel::create(std::size_t n, double m) {
  if (auto s = check_multiplier_period(m, n); !s) return err(s.error());
  return HurstChannel(n, m);
}

std::optional<double> HurstChannel::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  highs_.push(bar->high);
  lows_.push(bar->low);
  close_.push(bar->close);
  if (!close_.is_full()) return std::nullopt;
  double middle = *close_.mean();
  double half = m_ * (scan_max(highs_) - scan_min(lows_));
  return publish({{"upper", middle + half}, {"middle", middle}, {"lower", middle - half}});
}

}  // namespace tolvex
