// The last n values with a plain running sum: subtract what leaves, add what
// arrives, never re-summed while the sum stays finite, so finite data gives
// exactly the sums of that simple update.
//
// A non-finite value (a log of a zero price, a range that overflowed) would
// otherwise leave inf - inf = NaN behind for good. Once the sum turns
// non-finite it is recomputed from the window n pushes later, when every
// value held at that moment has left; if it is still non-finite then, the
// next attempt is another n pushes on, which keeps the cost amortised
// constant.
#pragma once

#include <cmath>
#include <cstddef>

#include "window.h"

namespace tolvex {

class RunningWindowSum {
 public:
  explicit RunningWindowSum(std::size_t n) : window_(n) {}

  void push(double x) {
    if (window_.is_full()) sum_ -= window_.pop_front();
    window_.push(x);
    sum_ += x;
    if (until_resum_ > 0 && --until_resum_ == 0) resum();
    if (until_resum_ == 0 && !std::isfinite(sum_)) until_resum_ = window_.capacity();
  }

  double sum() const { return sum_; }
  std::size_t size() const { return window_.size(); }
  std::size_t capacity() const { return window_.capacity(); }
  bool empty() const { return window_.empty(); }
  bool is_full() const { return window_.is_full(); }

 private:
  void resum() {
    double s = -0.0;
    window_.for_each([&](double v) { s += v; });
    sum_ = s;
  }

  FifoWindow<double> window_;
  double sum_ = -0.0;
  std::size_t until_resum_ = 0;
};

}  // namespace tolvex
