#include "indicators/bands/vwap_std_dev_bands.h"

#include <algorithm>
#include <cmath>

#include "indicators/bands/band_checks.h"

namespace tolvex {

Result<VwapStdDevBands, IndicatorError> VwapStdDevBands::create(double k) {
  if (auto s = check_multiplier(k); !s) return err(s.error());
  return VwapStdDevBands(k);
}

std::optional<double> VwapStdDevBands::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double tp = (bar->high + bar->low + bar->close) / 3;
  if (!shift_) shift_ = tp;
  double d = tp - *shift_;
  volume_ += bar->volume;
  weighted_ += bar->volume * d;
  weighted_sq_ += bar->volume * (d * d);
  if (volume_ == 0) return std::nullopt;
  double a = weighted_ / volume_;
  double vwap = *shift_ + a;
  double sd = std::sqrt(std::max(weighted_sq_ / volume_ - a * a, 0.0));
  return publish(
      {{"upper", vwap + k_ * sd}, {"middle", vwap}, {"lower", vwap - k_ * sd}, {"stddev", sd}});
}

}  // namespace tolvex
