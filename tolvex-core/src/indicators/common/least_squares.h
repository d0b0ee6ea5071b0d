// The rolling least-squares line shared by the regression types: the last n
// values regressed on x = 0 (oldest) ... n - 1 (newest).
//
// The sums are kept about a shift K rather than about zero, so that a price
// level far from zero does not swamp the small deviations the slope is made
// of. K starts as the first value; every n pushes it moves to the exact
// window mean and the sums are recomputed from the window, which bounds the
// drift of the incremental updates.
#pragma once

#include <cmath>
#include <cstddef>

#include "window.h"

namespace tolvex {

// n * Sxx - Sx^2 for x = 0 ... n - 1: the fixed denominator of the slope.
inline double regression_denominator(std::size_t n) {
  double nf = static_cast<double>(n);
  double sx = nf * (nf - 1.0) / 2.0;
  double sxx = (nf - 1.0) * nf * (2.0 * nf - 1.0) / 6.0;
  return nf * sxx - sx * sx;
}

class RegressionCore {
 public:
  explicit RegressionCore(std::size_t n)
      : win_(n),
        n_(n),
        nf_(static_cast<double>(n)),
        sx_(nf_ * (nf_ - 1.0) / 2.0),
        d_(regression_denominator(n)) {}

  void push(double y) {
    if (win_.is_full()) {
      double d0 = win_.pop_front() - k_;
      double s_before = s_;
      s_ -= d0;
      // Every remaining value moves one index down.
      sxy_ -= s_before - d0;
      s2_ -= d0 * d0;
    }
    if (!shifted_) {
      k_ = y;
      shifted_ = true;
    }
    double i = static_cast<double>(win_.size());
    double d = y - k_;
    win_.push(y);
    s_ += d;
    sxy_ += i * d;
    s2_ += d * d;
    if (++pushes_ >= n_) recentre();
  }

  bool is_full() const { return win_.is_full(); }
  std::size_t period() const { return n_; }
  const FifoWindow<double>& window() const { return win_; }
  // n * Sxx - Sx^2.
  double denominator() const { return d_; }

  // The following are meaningful once the window is full.
  double slope() const { return (nf_ * sxy_ - sx_ * s_) / d_; }
  // The line's value at the oldest bar (x = 0).
  double intercept() const { return k_ + (s_ - sx_ * slope()) / nf_; }
  // Sum of squared deviations of y from its mean, floored at 0.
  double syy() const {
    double v = s2_ - s_ * s_ / nf_;
    return v > 0 ? v : 0.0;
  }

 private:
  void recentre() {
    double sum = -0.0;
    win_.for_each([&](double y) { sum += y; });
    k_ = sum / nf_;
    s_ = 0.0;
    sxy_ = 0.0;
    s2_ = 0.0;
    for (std::size_t i = 0; i < win_.size(); ++i) {
      double d = win_[i] - k_;
      s_ += d;
      sxy_ += static_cast<double>(i) * d;
      s2_ += d * d;
    }
    pushes_ = 0;
  }

  FifoWindow<double> win_;
  std::size_t n_;
  double nf_;
  double sx_;
  double d_;
  bool shifted_ = false;
  double k_ = 0.0;
  double s_ = 0.0;
  double sxy_ = 0.0;
  double s2_ = 0.0;
  std::size_t pushes_ = 0;
};

// Residual sum of squares of the least-squares line through a full window,
// refitted from scratch: values are taken about the oldest one (B) and their
// mean (G), and x about its centre t = (n - 1) / 2.
inline double detrended_rss(const FifoWindow<double>& w) {
  std::size_t n = w.size();
  double nf = static_cast<double>(n);
  double b = w.oldest();
  double g = -0.0;
  w.for_each([&](double y) { g += y - b; });
  g /= nf;
  double t = (nf - 1.0) / 2.0;
  double num = -0.0;
  for (std::size_t i = 0; i < n; ++i) num += (static_cast<double>(i) - t) * (w[i] - b - g);
  double slope = num / (regression_denominator(n) / nf);
  double rss = -0.0;
  for (std::size_t i = 0; i < n; ++i) {
    double r = w[i] - b - g - slope * (static_cast<double>(i) - t);
    rss += r * r;
  }
  return rss;
}

}  // namespace tolvex
