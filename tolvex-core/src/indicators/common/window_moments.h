// Mean and variance of the last n values from shifted running sums.
//
// S1 = sum(x - K) and S2 = sum((x - K)^2) are kept relative to a shift K.
// Every n pushes the sums are recomputed exactly around K = the window mean,
// which bounds both the drift of the running sums and the cancellation in
// S2 - n * m^2 when the values sit far from zero.
#pragma once

#include <cstddef>
#include <optional>

#include "indicators/common/non_negative.h"
#include "window.h"

namespace tolvex {

class WindowMoments {
 public:
  explicit WindowMoments(std::size_t n) : window_(n), n_(n) {}

  // Adds a finite value, evicting the oldest when the window is full.
  void push(double x) {
    if (window_.is_full()) {
      double d = window_.pop_front() - shift_;
      s1_ -= d;
      s2_ -= d * d;
    }
    if (!has_shift_) {
      shift_ = x;
      has_shift_ = true;
    }
    window_.push(x);
    double d = x - shift_;
    s1_ += d;
    s2_ += d * d;
    if (++pushes_ >= n_) recentre();
  }

  std::size_t size() const { return window_.size(); }
  std::size_t capacity() const { return n_; }
  bool is_full() const { return window_.is_full(); }
  const FifoWindow<double>& window() const { return window_; }

  // The statistics below are meant for a full window (they use the count
  // held, which equals n once full).
  double mean() const { return shift_ + s1_ / count(); }
  double population_variance() const {
    double m = s1_ / count();
    return non_negative(s2_ / count() - m * m);
  }
  // 0 for windows of fewer than two values.
  double sample_variance() const {
    if (window_.size() < 2) return 0.0;
    double c = count();
    double m = s1_ / c;
    return non_negative((s2_ - c * (m * m)) / (c - 1.0));
  }

 private:
  double count() const { return static_cast<double>(window_.size()); }

  void recentre() {
    pushes_ = 0;
    if (window_.empty()) {
      has_shift_ = false;
      shift_ = s1_ = s2_ = 0.0;
      return;
    }
    double sum = -0.0;
    window_.for_each([&](double v) { sum += v; });
    shift_ = sum / count();
    double s1 = -0.0;
    double s2 = -0.0;
    window_.for_each([&](double v) {
      double d = v - shift_;
      s1 += d;
      s2 += d * d;
    });
    s1_ = s1;
    s2_ = s2;
  }

  FifoWindow<double> window_;
  std::size_t n_;
  bool has_shift_ = false;
  double shift_ = 0.0;
  double s1_ = 0.0;
  double s2_ = 0.0;
  std::size_t pushes_ = 0;
};

}  // namespace tolvex
