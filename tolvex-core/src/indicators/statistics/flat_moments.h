// The recentred window moments with the exact values of a flat window: its
// mean is the repeated value and its variance 0, where the shifted sums may
// still hold residues of values that have left the window.
#pragma once

#include <cstddef>

#include "indicators/common/window_moments.h"
#include "indicators/statistics/equal_run.h"

namespace tolvex {

class FlatAwareMoments {
 public:
  explicit FlatAwareMoments(std::size_t n) : moments_(n) {}

  void push(double x) {
    moments_.push(x);
    run_.push(x);
  }
  bool is_full() const { return moments_.is_full(); }
  std::size_t capacity() const { return moments_.capacity(); }
  // For a full window.
  double mean() const { return flat() ? run_.value() : moments_.mean(); }
  double population_variance() const { return flat() ? 0.0 : moments_.population_variance(); }
  double sample_variance() const { return flat() ? 0.0 : moments_.sample_variance(); }

 private:
  bool flat() const { return run_.covers(moments_.capacity()); }

  WindowMoments moments_;
  EqualRun run_;
};

}  // namespace tolvex
