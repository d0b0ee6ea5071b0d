#include "indicators/moving_averages/sine_weighted_ma.h"

#include <cmath>
#include <numbers>

namespace tolvex {

SineWeightedMa::SineWeightedMa(std::size_t n) : win_(n), weights_(n) {
  double denom = static_cast<double>(n) + 1.0;
  for (std::size_t k = 0; k < n; ++k) {
    weights_[k] = std::sin(static_cast<double>(k + 1) * std::numbers::pi / denom);
    weight_sum_ += weights_[k];
  }
}

Result<SineWeightedMa, IndicatorError> SineWeightedMa::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return SineWeightedMa(n);
}

std::optional<double> SineWeightedMa::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  win_.push(*x);
  if (!win_.is_full()) return std::nullopt;
  double s = -0.0;
  for (std::size_t k = 0; k < weights_.size(); ++k) s += win_[k] * weights_[k];
  return s / weight_sum_;
}

}  // namespace tolvex
