#include "indicators/moving_averages/evwma.h"

namespace tolvex {

Evwma::Evwma(std::size_t n) : volumes_(n) {}

Result<Evwma, IndicatorError> Evwma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Evwma(n);
}

std::optional<double> Evwma::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  double close = in.candle.close, volume = in.candle.volume;
  if (volumes_.is_full()) volume_sum_ = volume_sum_ - volumes_.pop_front();
  volumes_.push(volume);
  volume_sum_ = volume + volume_sum_;
  if (!volumes_.is_full()) return std::nullopt;
  double v = volume_sum_;
  if (v > 0) {
    double base = value_ ? *value_ : close;
    value_ = (close * volume + (v - volume) * base) / v;
  } else if (!value_) {
    value_ = close;
  }
  return value_;
}

}  // namespace tolvex
