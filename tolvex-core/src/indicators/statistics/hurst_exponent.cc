#include "indicators/statistics/hurst_exponent.h"

#include <algorithm>
#include <cmath>

#include "indicators/common/storage_check.h"
#include "indicators/statistics/window_range.h"

namespace tolvex {

Result<HurstExponent, IndicatorError> HurstExponent::create(std::size_t n, std::size_t chunks) {
  if (chunks <= 1) return err(IndicatorError::invalid_period("Hurst chunks must be >= 2"));
  auto ok = check_period(chunks);
  if (!ok) return err(ok.error());
  if (n / 2 < chunks)
    return err(IndicatorError::invalid_period("Hurst period must be >= 2 * chunks"));
  auto room = check_storage(n, sizeof(double));
  if (!room) return err(room.error());
  return HurstExponent(n, chunks);
}

HurstExponent::HurstExponent(std::size_t n, std::size_t chunks) : window_(n), chunks_(chunks) {}

std::optional<double> HurstExponent::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> HurstExponent::push(double x) {
  window_.push(x);
  run_.push(x);
  if (!window_.is_full()) return std::nullopt;
  if (run_.covers(window_.capacity())) return 0.5;
  std::size_t n = window_.size();
  // Least-squares sums of the points (ln u, ln mean R/S).
  double points = 0.0;
  double sx = -0.0;
  double sy = -0.0;
  double sxy = -0.0;
  double sxx = -0.0;
  for (std::size_t k = 1; k <= chunks_; ++k) {
    std::size_t u = n / k;
    double uf = static_cast<double>(u);
    double rs_sum = -0.0;
    std::size_t counted = 0;
    for (std::size_t c = 0; c < k; ++c) {
      std::size_t start = c * u;
      double sum = -0.0;
      bool flat = true;
      for (std::size_t i = start; i < start + u; ++i) {
        sum += window_[i];
        flat = flat && window_[i] == window_[start];
      }
      // A flat chunk has no range and no spread, but the rounded mean of its
      // copies can sit an ulp off and give both a residue whose ratio is
      // any number; it is left out like every chunk without spread.
      if (flat) continue;
      double mean = sum / uf;
      double y = -0.0;
      WindowRange yr;
      double ss = -0.0;
      for (std::size_t i = start; i < start + u; ++i) {
        double d = window_[i] - mean;
        y += d;
        yr.add(y);
        ss += d * d;
      }
      double r = yr.hi - yr.lo;
      double s = std::sqrt(ss / uf);
      if (s != 0 && r != 0) {
        rs_sum += r / s;
        ++counted;
      }
    }
    if (counted == 0) continue;
    double px = std::log(uf);
    double py = std::log(rs_sum / static_cast<double>(counted));
    points += 1.0;
    sx += px;
    sy += py;
    sxy += px * py;
    sxx += px * px;
  }
  if (points < 2.0) return 0.5;
  double h = (points * sxy - sx * sy) / (points * sxx - sx * sx);
  return std::clamp(h, 0.0, 1.0);
}

}  // namespace tolvex
