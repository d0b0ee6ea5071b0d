#include "indicators/volatility/volatility_ratio.h"

#include "window.h"

namespace tolvex {

Result<VolatilityRatio, IndicatorError> VolatilityRatio::create(std::size_t n) {
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return VolatilityRatio(n);
}

std::optional<double> VolatilityRatio::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  bool first = !tr_.prev_close();
  double tr = tr_.push(*bar);
  if (first) return std::nullopt;
  if (seen_ < n_) {
    sum_ += tr;
    if (++seen_ == n_) ema_ = sum_ / static_cast<double>(n_);
    return std::nullopt;
  }
  double prev = ema_;
  ema_ = alpha_ * tr + beta_ * prev;
  return prev > 0.0 ? tr / prev : 0.0;
}

}  // namespace tolvex
