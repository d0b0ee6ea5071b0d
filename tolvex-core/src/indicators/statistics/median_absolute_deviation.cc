#include "indicators/statistics/median_absolute_deviation.h"

#include <vector>

namespace tolvex {

Result<MedianAbsoluteDeviation, IndicatorError> MedianAbsoluteDeviation::create(std::size_t n) {
  auto ok = check_period(n);
  if (!ok) return err(ok.error());
  return MedianAbsoluteDeviation(n);
}

MedianAbsoluteDeviation::MedianAbsoluteDeviation(std::size_t n) : window_(n) {}

std::optional<double> MedianAbsoluteDeviation::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> MedianAbsoluteDeviation::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  const std::vector<double>& d = window_.sorted();
  std::size_t n = d.size();
  double med = *window_.median();
  // Deviations grow outward from the median's position in the sorted copy, so
  // merging the two sides yields them in ascending order; only the middle
  // one or two are needed.
  std::size_t right = n / 2;
  std::size_t left = right;  // one past the next candidate on the left side
  std::size_t wanted = n / 2;
  double prev = 0.0;
  double cur = 0.0;
  for (std::size_t rank = 0; rank <= wanted; ++rank) {
    prev = cur;
    bool take_left = left > 0 && (right == n || med - d[left - 1] <= d[right] - med);
    if (take_left) {
      cur = med - d[--left];
    } else {
      cur = d[right++] - med;
    }
  }
  if (n % 2 == 1) return cur;
  return midpoint(prev, cur);
}

}  // namespace tolvex
