// Raw moments of the last n values up to the fourth power, for skewness and
// kurtosis. Same scheme as WindowMoments: the power sums S_k = sum((x - K)^k)
// are kept about a shift K that starts at the first value and moves to the
// exact window mean every n pushes, when the sums are recomputed.
#pragma once

#include <array>
#include <cstddef>

#include "window.h"

namespace tolvex {

template <std::size_t Powers>
class WindowPowerSums {
  static_assert(Powers >= 2 && Powers <= 4);

 public:
  explicit WindowPowerSums(std::size_t n) : window_(n), n_(n) {}

  void push(double x) {
    if (window_.is_full()) add(window_.pop_front() - shift_, -1.0);
    if (!has_shift_) {
      shift_ = x;
      has_shift_ = true;
    }
    window_.push(x);
    add(x - shift_, 1.0);
    if (++pushes_ >= n_) recentre();
  }

  bool is_full() const { return window_.is_full(); }
  std::size_t capacity() const { return n_; }
  double shift() const { return shift_; }
  // m_k = S_k / n, the k-th raw moment about the shift (k = 1 ... Powers),
  // for a full window.
  double moment(std::size_t k) const { return s_[k - 1] / static_cast<double>(n_); }

 private:
  // Adds (sign = 1) or removes (sign = -1) the power terms of deviation d.
  void add(double d, double sign) {
    double p = d;
    for (std::size_t k = 0; k < Powers; ++k) {
      if (sign > 0)
        s_[k] += p;
      else
        s_[k] -= p;
      p *= d;
    }
  }

  void recentre() {
    pushes_ = 0;
    double sum = -0.0;
    window_.for_each([&](double v) { sum += v; });
    shift_ = sum / static_cast<double>(window_.size());
    s_.fill(-0.0);
    window_.for_each([&](double v) { add(v - shift_, 1.0); });
  }

  FifoWindow<double> window_;
  std::size_t n_;
  bool has_shift_ = false;
  double shift_ = 0.0;
  std::array<double, Powers> s_{};
  std::size_t pushes_ = 0;
};

}  // namespace tolvex
