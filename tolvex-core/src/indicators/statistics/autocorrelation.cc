#include "indicators/statistics/autocorrelation.h"

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<Autocorrelation, IndicatorError> Autocorrelation::create(std::size_t n, std::size_t lag) {
  // A zero window needs no rule of its own: every lag of at least 1 is too
  // long for it.
  if (lag == 0) return err(IndicatorError::invalid_period("autocorrelation lag must be >= 1"));
  if (lag >= n) return err(IndicatorError::invalid_period("autocorrelation needs period > lag"));
  auto room = check_storage(n, sizeof(double));
  if (!room) return err(room.error());
  return Autocorrelation(n, lag);
}

Autocorrelation::Autocorrelation(std::size_t n, std::size_t lag) : window_(n), lag_(lag) {}

std::optional<double> Autocorrelation::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> Autocorrelation::push(double x) {
  window_.push(x);
  run_.push(x);
  if (!window_.is_full()) return std::nullopt;
  if (run_.covers(window_.capacity())) return 0.0;
  std::size_t n = window_.size();
  double sum = -0.0;
  window_.for_each([&](double v) { sum += v; });
  double mean = sum / static_cast<double>(n);
  double num = -0.0;
  for (std::size_t i = 0; i + lag_ < n; ++i)
    num += (window_[i] - mean) * (window_[i + lag_] - mean);
  double den = -0.0;
  window_.for_each([&](double v) { den += (v - mean) * (v - mean); });
  if (den == 0) return 0.0;
  return num / den;
}

}  // namespace tolvex
