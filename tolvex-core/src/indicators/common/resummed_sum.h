// Running sum of the last n values, recomputed exactly from the window every
// n pushes so that rounding drift (or a non-finite value that has since left
// the window) cannot persist.
#pragma once

#include <cstddef>

#include "window.h"

namespace tolvex {

class ResummedSum {
 public:
  explicit ResummedSum(std::size_t n) : window_(n), n_(n) {}

  void push(double x) {
    if (window_.is_full()) sum_ -= window_.pop_front();
    window_.push(x);
    sum_ += x;
    if (++pushes_ >= n_) {
      pushes_ = 0;
      double s = -0.0;
      window_.for_each([&](double v) { s += v; });
      sum_ = s;
    }
  }

  double sum() const { return sum_; }
  std::size_t size() const { return window_.size(); }
  std::size_t capacity() const { return n_; }
  bool is_full() const { return window_.is_full(); }
  const FifoWindow<double>& window() const { return window_; }

 private:
  FifoWindow<double> window_;
  std::size_t n_;
  double sum_ = -0.0;
  std::size_t pushes_ = 0;
};

}  // namespace tolvex
