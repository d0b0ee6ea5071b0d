#include "indicators/moving_averages/ma_envelope.h"

#include <cmath>

namespace tolvex {

Result<MaEnvelope, IndicatorError> MaEnvelope::create(std::size_t n, double width) {
  if (!std::isfinite(width) || !(width > 0)) return err(IndicatorError::non_positive_multiplier());
  auto sma = Sma::create(n);
  if (!sma) return err(sma.error());
  return MaEnvelope(std::move(sma).value(), width);
}

std::optional<double> MaEnvelope::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto m = sma_.push(*x);
  if (!m) return std::nullopt;
  return publish({{"upper", *m * (1 + width_)}, {"middle", *m}, {"lower", *m * (1 - width_)}});
}

}  // namespace tolvex
