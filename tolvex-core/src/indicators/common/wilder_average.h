// Wilder's average of length n: the mean of the first n inputs, then
// avg = fma(avg, n - 1, x) * (1 / n) with both constants stored once.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>

namespace tolvex {

class WilderAverage {
 public:
  explicit WilderAverage(std::size_t n)
      : n_(n),
        n_minus_one_(static_cast<double>(n) - 1.0),
        inverse_n_(1.0 / static_cast<double>(n)) {}

  // Feeds one input; returns the average from the n-th input on.
  std::optional<double> push(double x) {
    if (!seeded_) {
      sum_ += x;
      if (++count_ < n_) return std::nullopt;
      avg_ = sum_ / static_cast<double>(n_);
      seeded_ = true;
      return avg_;
    }
    avg_ = std::fma(avg_, n_minus_one_, x) * inverse_n_;
    return avg_;
  }

  bool ready() const { return seeded_; }
  std::optional<double> value() const {
    if (!seeded_) return std::nullopt;
    return avg_;
  }
  std::size_t period() const { return n_; }

 private:
  std::size_t n_;
  double n_minus_one_;
  double inverse_n_;
  double sum_ = -0.0;
  std::size_t count_ = 0;
  bool seeded_ = false;
  double avg_ = 0.0;
};

}  // namespace tolvex
