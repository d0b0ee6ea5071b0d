#include "indicators/volatility/volatility_cone.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<VolatilityCone, IndicatorError> VolatilityCone::create(std::size_t w, std::size_t lookback) {
  if (w == 0 || lookback == 0) return err(IndicatorError::period_zero());
  if (w == 1 || lookback == 1)
    return err(
        IndicatorError::invalid_period("volatility cone window and lookback must both be >= 2"));
  // Neither length has a fixed bound; refuse only what cannot be stored (the
  // lookback is held twice: in arrival order and sorted).
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  std::size_t items = lookback > (kMax - w) / 2 ? kMax : w + 2 * lookback;
  if (auto ok = check_storage(items, sizeof(double)); !ok) return err(ok.error());
  return VolatilityCone(w, lookback);
}

std::optional<double> VolatilityCone::update(const IndicatorInput& in) {
  double close = in.candle.close;
  if (!std::isfinite(close)) return std::nullopt;
  if (close <= 0.0) {
    if (outputs_.empty()) return std::nullopt;
    return outputs_[0].value;
  }
  auto r = log_return_.push(close);
  if (!r) return std::nullopt;
  returns_.push(*r);
  if (!returns_.is_full()) return std::nullopt;
  double vol = std::sqrt(returns_.sample_variance());
  vols_.push(vol);
  if (!vols_.is_full()) return std::nullopt;
  const std::vector<double>& sorted = vols_.sorted();
  std::size_t n = sorted.size();
  double median = n % 2 == 1 ? sorted[n / 2] : midpoint(sorted[n / 2 - 1], sorted[n / 2]);
  // The sorted order refines numeric order, so the values <= vol are a prefix.
  auto at_or_below = std::upper_bound(sorted.begin(), sorted.end(), vol,
                                      [](double a, double b) { return a < b; }) -
                     sorted.begin();
  double percentile = static_cast<double>(at_or_below) / static_cast<double>(n) * 100.0;
  return publish({{"current", vol},
                  {"min", sorted.front()},
                  {"median", median},
                  {"max", sorted.back()},
                  {"percentile", percentile}});
}

}  // namespace tolvex
