// The exponential stage of length n shared by many types: empty until n
// inputs, seeded with their mean, then ema = fma(alpha, x, beta * ema).
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>

namespace tolvex {

class EmaStage {
 public:
  explicit EmaStage(std::size_t n)
      : n_(n), alpha_(2.0 / (static_cast<double>(n) + 1.0)), beta_(1.0 - alpha_) {}
  // A stage seeded over n inputs but smoothing with a fixed alpha (the
  // classic fixed-coefficient MACD uses 0.15 and 0.075 with 12 and 26).
  EmaStage(std::size_t n, double alpha) : n_(n), alpha_(alpha), beta_(1.0 - alpha) {}

  // Feeds one finite input; returns the stage value once seeded.
  std::optional<double> push(double x) {
    if (count_ < n_) {
      sum_ += x;
      if (++count_ < n_) return std::nullopt;
      ema_ = sum_ / static_cast<double>(n_);
      return ema_;
    }
    ema_ = std::fma(alpha_, x, beta_ * ema_);
    return ema_;
  }

  bool ready() const { return count_ >= n_; }
  std::optional<double> value() const {
    if (!ready()) return std::nullopt;
    return ema_;
  }
  std::size_t period() const { return n_; }
  double alpha() const { return alpha_; }

 private:
  std::size_t n_;
  double alpha_;
  double beta_;
  std::size_t count_ = 0;
  double sum_ = -0.0;
  double ema_ = 0.0;
};

}  // namespace tolvex
