#include "indicators/momentum/universal_oscillator.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

Result<UniversalOscillator, IndicatorError> UniversalOscillator::create(std::size_t n) {
  auto filter = SuperSmoother::create(n);
  if (!filter) return err(filter.error());
  return UniversalOscillator(std::move(filter).value());
}

std::optional<double> UniversalOscillator::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  const FifoWindow<double>& held = closes_.window();
  if (held.size() < 2) {
    closes_.push(*x);
    return std::nullopt;
  }
  // The close two steps back is the second newest before this push.
  double w = (*x - held.back(1)) * 0.5;
  if (!std::isfinite(w)) return std::nullopt;
  closes_.push(*x);
  // The smoother filters the noise series as it would a close: the midpoint
  // of each value and the one before it, with its own start-up.
  Candle noise{0, w, w, w, w, 0.0};
  auto f = filter_.update(IndicatorInput{std::nullopt, std::nullopt, noise, {}, nullptr, nullptr});
  if (!f) return std::nullopt;
  peak_ = std::max(std::fabs(*f), 0.991 * peak_);
  if (peak_ == 0.0) return 0.0;
  return std::clamp(*f / peak_, -1.0, 1.0);
}

}  // namespace tolvex
