#include "indicators/moving_averages/kama.h"

#include <cmath>

namespace tolvex {

Kama::Kama(std::size_t n, std::size_t fast, std::size_t slow)
    : lag_(n),
      n_(n),
      fast_(2.0 / (static_cast<double>(fast) + 1)),
      slow_(2.0 / (static_cast<double>(slow) + 1)) {}

Result<Kama, IndicatorError> Kama::create(std::size_t n, std::size_t fast, std::size_t slow) {
  if (n == 0 || fast == 0 || slow == 0) return err(IndicatorError::period_zero());
  if (fast >= slow)
    return err(IndicatorError::invalid_period("KAMA fast period must be strictly less than slow"));
  // The window holds n + 1 closes, so the common length limit guards the
  // allocation.
  if (auto st = check_period(n); !st) return err(st.error());
  return Kama(n, fast, slow);
}

std::optional<double> Kama::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  lag_.push(*x);
  if (!lag_.is_full()) return std::nullopt;
  const FifoWindow<double>& w = lag_.window();
  double oldest = w.oldest();
  double change = std::fabs(*x - oldest);
  double volatility = -0.0;
  for (std::size_t i = 1; i <= n_; ++i) volatility += std::fabs(w[i] - w[i - 1]);
  double er = volatility == 0 ? 0.0 : change / volatility;
  double sc = slow_ + er * (fast_ - slow_);
  double prev = value_ ? *value_ : oldest;
  value_ = prev + (sc * sc) * (*x - prev);
  return value_;
}

}  // namespace tolvex
