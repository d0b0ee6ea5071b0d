#include "indicators/statistics/regime_label.h"

#include <cmath>

#include "indicators/statistics/order_statistics.h"

namespace tolvex {

Result<RegimeLabel, IndicatorError> RegimeLabel::create(std::size_t vol_period,
                                                        std::size_t lookback) {
  if (vol_period <= 1)
    return err(IndicatorError::invalid_period("regime label needs vol_period >= 2"));
  auto ok = check_period(vol_period);
  if (!ok) return err(ok.error());
  if (lookback <= 1) return err(IndicatorError::invalid_period("regime label needs lookback >= 2"));
  ok = check_period(lookback);
  if (!ok) return err(ok.error());
  return RegimeLabel(vol_period, lookback);
}

RegimeLabel::RegimeLabel(std::size_t vol_period, std::size_t lookback)
    : moments_(vol_period), vols_(lookback) {}

std::optional<double> RegimeLabel::update(const IndicatorInput& in) {
  double x = in.candle.close;
  if (!LogReturnStage::accepts(x)) return std::nullopt;
  return push(x);
}

std::optional<double> RegimeLabel::push(double x) {
  auto r = returns_.push(x);
  if (!r) return std::nullopt;
  moments_.push(*r);
  if (!moments_.is_full()) return std::nullopt;
  double vol = std::sqrt(moments_.sample_variance());
  vols_.push(vol);
  if (!vols_.is_full()) return std::nullopt;
  if (vol < interpolated_quantile(vols_.sorted(), 0.25)) return -1.0;
  if (vol > interpolated_quantile(vols_.sorted(), 0.75)) return 1.0;
  return 0.0;
}

}  // namespace tolvex
