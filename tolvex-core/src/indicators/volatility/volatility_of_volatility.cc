#include "indicators/volatility/volatility_of_volatility.h"

#include <cmath>
#include <limits>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<VolatilityOfVolatility, IndicatorError> VolatilityOfVolatility::create(std::size_t w,
                                                                              std::size_t v) {
  if (w == 0 || v == 0) return err(IndicatorError::period_zero());
  if (w == 1 || v == 1)
    return err(IndicatorError::invalid_period("vol-of-vol windows must both be >= 2"));
  // Neither window has a fixed bound; refuse only what cannot be stored.
  std::size_t items = w > std::numeric_limits<std::size_t>::max() - v
                          ? std::numeric_limits<std::size_t>::max()
                          : w + v;
  if (auto ok = check_storage(items, sizeof(double)); !ok) return err(ok.error());
  return VolatilityOfVolatility(w, v);
}

std::optional<double> VolatilityOfVolatility::update(const IndicatorInput& in) {
  auto r = log_return_.feed(in.candle.close);
  if (!r) return std::nullopt;
  returns_.push(*r);
  if (!returns_.is_full()) return std::nullopt;
  vols_.push(std::sqrt(returns_.sample_variance()));
  if (!vols_.is_full()) return std::nullopt;
  return std::sqrt(vols_.sample_variance());
}

}  // namespace tolvex
