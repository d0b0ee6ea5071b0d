// Mean and variance of the last n values, from the first two shifted power
// sums S1 = sum(x - K) and S2 = sum((x - K)^2) (see WindowPowerSums for how
// the shift K is kept near the window mean).
#pragma once

#include <cstddef>

#include "indicators/common/non_negative.h"
#include "indicators/common/window_power_sums.h"
#include "window.h"

namespace tolvex {

class WindowMoments {
 public:
  explicit WindowMoments(std::size_t n) : sums_(n) {}

  // Adds a finite value, evicting the oldest when the window is full.
  void push(double x) { sums_.push(x); }

  std::size_t size() const { return sums_.size(); }
  std::size_t capacity() const { return sums_.capacity(); }
  bool is_full() const { return sums_.is_full(); }
  const FifoWindow<double>& window() const { return sums_.window(); }

  // The statistics below are meant for a full window (they use the count
  // held, which equals n once full).
  double mean() const { return sums_.shift() + sums_.sum(1) / count(); }
  double population_variance() const {
    double m = sums_.sum(1) / count();
    return non_negative(sums_.sum(2) / count() - m * m);
  }
  // 0 for windows of fewer than two values.
  double sample_variance() const {
    if (size() < 2) return 0.0;
    double c = count();
    double m = sums_.sum(1) / c;
    return non_negative((sums_.sum(2) - c * (m * m)) / (c - 1.0));
  }

 private:
  double count() const { return static_cast<double>(sums_.size()); }

  WindowPowerSums<2> sums_;
};

}  // namespace tolvex
