// Wilder's average written as (t + avg * (n - 1)) / n, the rounding that
// VolumeRsi and Rmi use (Rsi itself uses the fused form of WilderAverage).
// Seeded with the mean of the first n terms, summed from -0.0.
#pragma once

#include <cstddef>
#include <optional>

namespace tolvex {

class PlainWilderAverage {
 public:
  explicit PlainWilderAverage(std::size_t n)
      : n_(n), nf_(static_cast<double>(n)), n_minus_one_(static_cast<double>(n) - 1.0) {}

  std::optional<double> push(double t) {
    if (count_ < n_) {
      sum_ += t;
      if (++count_ < n_) return std::nullopt;
      avg_ = sum_ / nf_;
      return avg_;
    }
    avg_ = (t + avg_ * n_minus_one_) / nf_;
    return avg_;
  }

 private:
  std::size_t n_;
  double nf_;
  double n_minus_one_;
  std::size_t count_ = 0;
  double sum_ = -0.0;
  double avg_ = 0.0;
};

// avg_up / (avg_up + avg_down) * 100, or 50 when both are 0.
inline double up_share_percent(double up, double down) {
  double total = up + down;
  if (total == 0.0) return 50.0;
  return up / total * 100.0;
}

}  // namespace tolvex
