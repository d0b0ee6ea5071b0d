#include "indicators/bands/fractal_chaos_bands.h"

namespace tolvex {

Result<FractalChaosBands, IndicatorError> FractalChaosBands::create(std::size_t n) {
  if (auto s = check_period(n); !s) return err(s.error());
  return FractalChaosBands(n);
}

std::optional<double> FractalChaosBands::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  highs_.push(bar->high);
  lows_.push(bar->low);
  if (!highs_.is_full()) return std::nullopt;

  double centre_high = highs_[n_];
  double centre_low = lows_[n_];
  bool fractal_high = true, fractal_low = true;
  for (std::size_t i = 0; i < highs_.size(); ++i) {
    if (i == n_) continue;
    if (!(centre_high > highs_[i])) fractal_high = false;
    if (!(centre_low < lows_[i])) fractal_low = false;
  }
  if (fractal_high) upper_ = centre_high;
  if (fractal_low) lower_ = centre_low;
  if (!upper_ || !lower_) return std::nullopt;
  return publish({{"upper", *upper_}, {"lower", *lower_}});
}

}  // namespace tolvex
