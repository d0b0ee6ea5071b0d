#include "indicators/momentum/volume_rsi.h"

namespace tolvex {

Result<VolumeRsi, IndicatorError> VolumeRsi::create(std::size_t n) {
  auto average = Smma::create(n);
  if (!average) return err(average.error());
  return VolumeRsi(n, *average);
}

std::optional<double> VolumeRsi::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  return stage_.push(bar->volume);
}

}  // namespace tolvex
