#include "indicators/volatility/bipower_variation.h"

#include <cmath>

#include "indicators/common/non_negative.h"

namespace tolvex {

namespace {
constexpr double kHalfPi = 1.5707963267948966;
}

Result<BipowerVariation, IndicatorError> BipowerVariation::create(std::size_t n) {
  if (n == 0) return err(IndicatorError::period_zero());
  if (n == 1) return err(IndicatorError::invalid_period("bipower variation period must be >= 2"));
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return BipowerVariation(n);
}

void BipowerVariation::resum() {
  double s = -0.0;
  for (std::size_t i = 1; i < returns_.size(); ++i) s += std::fabs(returns_[i] * returns_[i - 1]);
  sum_ = s;
}

std::optional<double> BipowerVariation::update(const IndicatorInput& in) {
  auto r = log_return_.feed(in.candle.close);
  if (!r) return std::nullopt;
  if (returns_.is_full()) {
    double oldest = returns_.pop_front();
    sum_ -= std::fabs(oldest * returns_.oldest());
  }
  if (!returns_.empty()) {
    sum_ += std::fabs(*r * returns_.newest());
    ++added_;
  }
  returns_.push(*r);
  if (added_ >= returns_.capacity()) {
    resum();
    added_ = 0;
  }
  if (!returns_.is_full()) return std::nullopt;
  return non_negative(sum_) * kHalfPi;
}

}  // namespace tolvex
