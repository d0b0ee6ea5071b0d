// The last n values of a signed series split into two running sums: the
// positive parts (up) and the magnitudes of the negative parts (down).
//
// A side with no contributor left in the window is exactly zero, so it is
// set to zero instead of keeping the rounding residue of its adds and
// subtracts (a flat window must read as flat, not as a full-scale reading).
#pragma once

#include <cstddef>

#include "window.h"

namespace tolvex {

class SignedSums {
 public:
  explicit SignedSums(std::size_t n) : window_(n), n_(n) {}

  void push(double v) {
    if (window_.is_full()) remove(window_.pop_front());
    window_.push(v);
    add(v);
    if (positives_ == 0) up_ = 0.0;
    if (negatives_ == 0) down_ = 0.0;
  }

  bool is_full() const { return window_.is_full(); }
  std::size_t capacity() const { return n_; }
  double up() const { return up_; }
  double down() const { return down_; }

 private:
  void add(double v) {
    if (v > 0) {
      up_ += v;
      ++positives_;
    } else if (v < 0) {
      down_ += -v;
      ++negatives_;
    }
  }
  void remove(double v) {
    if (v > 0) {
      up_ -= v;
      --positives_;
    } else if (v < 0) {
      down_ -= -v;
      --negatives_;
    }
  }
  FifoWindow<double> window_;
  std::size_t n_;
  double up_ = 0.0;
  double down_ = 0.0;
  std::size_t positives_ = 0;
  std::size_t negatives_ = 0;
};

}  // namespace tolvex
