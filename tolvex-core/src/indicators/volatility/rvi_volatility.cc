#include "indicators/volatility/rvi_volatility.h"

#include <cmath>

namespace tolvex {

Result<RviVolatility, IndicatorError> RviVolatility::create(std::size_t n) {
  if (n == 0) return err(IndicatorError::period_zero());
  if (n == 1) return err(IndicatorError::invalid_period("RVI period must be >= 2"));
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return RviVolatility(n);
}

std::optional<double> RviVolatility::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  std::optional<double> prev = prev_close_;
  prev_close_ = *close;
  closes_.push(*close);
  if (!closes_.is_full()) return std::nullopt;
  // A full window of n >= 2 closes always has a previous close.
  double sd = std::sqrt(closes_.population_variance());
  double up = *close > *prev ? sd : 0.0;
  double down = *close < *prev ? sd : 0.0;
  double n = static_cast<double>(n_);
  if (seeded_count_ < n_) {
    up_ += up;
    down_ += down;
    if (++seeded_count_ < n_) return std::nullopt;
    up_ /= n;
    down_ /= n;
  } else {
    up_ = (up_ * n_minus_one_ + up) / n;
    down_ = (down_ * n_minus_one_ + down) / n;
  }
  double total = up_ + down_;
  if (total == 0.0) return 50.0;
  return 100.0 * up_ / total;
}

}  // namespace tolvex
