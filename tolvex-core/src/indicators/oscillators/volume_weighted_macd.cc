#include "indicators/oscillators/volume_weighted_macd.h"

#include <cmath>

#include "indicators/oscillators/macd_stage.h"

namespace tolvex {

Result<VolumeWeightedMacd, IndicatorError> VolumeWeightedMacd::create(std::size_t fast,
                                                                      std::size_t slow,
                                                                      std::size_t signal) {
  if (auto st = MacdStage::check(fast, slow, signal); !st) return err(st.error());
  return VolumeWeightedMacd(std::move(Vwma::create(fast).value()),
                            std::move(Vwma::create(slow).value()), slow, signal);
}

std::optional<double> VolumeWeightedMacd::update(const IndicatorInput& in) {
  // Both averages validate the bar themselves; checking once here keeps a
  // rejected bar from reaching either of them.
  if (!in.candle.is_valid()) return std::nullopt;
  auto f = fast_.update(in);
  auto s = slow_.update(in);
  if (!f || !s) return std::nullopt;
  double macd = *f - *s;
  if (!std::isfinite(macd)) return std::nullopt;
  auto sig = signal_.push(macd);
  if (!sig) return std::nullopt;
  return publish_lines({macd, *sig, macd - *sig});
}

}  // namespace tolvex
