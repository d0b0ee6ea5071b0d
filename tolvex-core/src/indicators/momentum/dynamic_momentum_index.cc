#include "indicators/momentum/dynamic_momentum_index.h"

#include <cmath>

namespace tolvex {

Result<DynamicMomentumIndex, IndicatorError> DynamicMomentumIndex::create(std::size_t period) {
  if (auto st = check_period(period); !st) return err(st.error());
  return DynamicMomentumIndex(period);
}

std::optional<double> DynamicMomentumIndex::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  closes_.push(*x);
  std::optional<double> sd;
  std::optional<double> mean_sd;
  if (closes_.is_full()) {
    sd = std::sqrt(closes_.population_variance());
    sd_mean_.push(*sd);
    mean_sd = sd_mean_.mean();
  }
  if (prev_) changes_.push(*x - *prev_);
  prev_ = *x;
  if (!sd || !mean_sd || !changes_.is_full()) return std::nullopt;

  std::size_t length = kMaxLength;
  if (*sd > 0.0 && *mean_sd > 0.0) {
    // Clamped as a double first: a tiny volatility ratio would overflow
    // the integer conversion.
    double l = std::trunc(period_ / (*sd / *mean_sd));
    if (l < static_cast<double>(kMinLength)) l = static_cast<double>(kMinLength);
    if (l > static_cast<double>(kMaxLength)) l = static_cast<double>(kMaxLength);
    length = static_cast<std::size_t>(l);
  }
  double up = 0.0, down = 0.0;
  for (std::size_t age = length; age-- > 0;) {
    double c = changes_.back(age);
    if (c > 0) up += c;
    if (c < 0) down += -c;
  }
  double total = up + down;
  if (total == 0.0) return 50.0;
  return up / total * 100.0;
}

}  // namespace tolvex
