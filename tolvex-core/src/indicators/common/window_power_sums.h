// Power sums of the last n values about a moving shift, the stage behind the
// window mean and variances (two powers) and behind skewness and kurtosis
// (three and four).
//
// S_k = sum((x - K)^k) for k = 1 ... Powers is kept relative to a shift K
// that starts at the first value. Every n pushes the sums are recomputed
// exactly around K = the window mean, which bounds both the drift of the
// running sums and the cancellation in the central moments when the values
// sit far from zero.
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

  // Adds a finite value, evicting the oldest when the window is full.
  void push(double x) {
    if (window_.is_full()) remove(window_.pop_front() - shift_);
    if (!has_shift_) {
      shift_ = x;
      has_shift_ = true;
    }
    window_.push(x);
    add(x - shift_);
    if (++pushes_ >= n_) recentre();
  }

  std::size_t size() const { return window_.size(); }
  std::size_t capacity() const { return n_; }
  bool is_full() const { return window_.is_full(); }
  const FifoWindow<double>& window() const { return window_; }

  double shift() const { return shift_; }
  // S_k, the k-th power sum about the shift (k = 1 ... Powers).
  double sum(std::size_t k) const { return s_[k - 1]; }
  // m_k = S_k / n, the k-th raw moment about the shift, for a full window.
  double moment(std::size_t k) const { return s_[k - 1] / static_cast<double>(n_); }

 private:
  // The powers are built by repeated multiplication, d, d*d, (d*d)*d, ...,
  // in the same order on the way in, on the way out and when re-summing.
  void add(double d) {
    double p = d;
    for (std::size_t k = 0; k < Powers; ++k) {
      s_[k] += p;
      p *= d;
    }
  }
  void remove(double d) {
    double p = d;
    for (std::size_t k = 0; k < Powers; ++k) {
      s_[k] -= p;
      p *= d;
    }
  }

  // Runs right after a push, so the window is never empty here.
  void recentre() {
    pushes_ = 0;
    double sum = -0.0;
    window_.for_each([&](double v) { sum += v; });
    shift_ = sum / static_cast<double>(window_.size());
    s_.fill(-0.0);
    window_.for_each([&](double v) { add(v - shift_); });
  }

  FifoWindow<double> window_;
  std::size_t n_;
  bool has_shift_ = false;
  double shift_ = 0.0;
  std::array<double, Powers> s_{};
  std::size_t pushes_ = 0;
};

}  // namespace tolvex
