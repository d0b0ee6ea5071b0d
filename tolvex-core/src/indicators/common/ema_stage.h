// The exponential stage of length n shared by many types: empty until n
// inputs, seeded with their mean, then ema = fma(alpha, x, beta * ema).
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>

namespace tolvex {

// The seed shared by the averages that start from the plain mean of their
// first n inputs: the running sum starts at -0.0 and is divided by n on the
// n-th input.
class SeedMean {
 public:
  explicit SeedMean(std::size_t n) : n_(n) {}

  // Adds one of the first n inputs; returns their mean on the n-th.
  std::optional<double> add(double x) {
    sum_ += x;
    if (++count_ < n_) return std::nullopt;
    return sum_ / static_cast<double>(n_);
  }
  bool done() const { return count_ >= n_; }
  std::size_t period() const { return n_; }

 private:
  std::size_t n_;
  std::size_t count_ = 0;
  double sum_ = -0.0;
};

class EmaStage {
 public:
  explicit EmaStage(std::size_t n)
      : seed_(n), alpha_(2.0 / (static_cast<double>(n) + 1.0)), beta_(1.0 - alpha_) {}
  // A stage seeded over n inputs but smoothing with a fixed alpha (the
  // classic fixed-coefficient MACD uses 0.15 and 0.075 with 12 and 26).
  EmaStage(std::size_t n, double alpha) : seed_(n), alpha_(alpha), beta_(1.0 - alpha) {}

  // Feeds one finite input; returns the stage value once seeded.
  std::optional<double> push(double x) {
    if (!seed_.done()) {
      auto mean = seed_.add(x);
      if (!mean) return std::nullopt;
      ema_ = *mean;
      return ema_;
    }
    ema_ = std::fma(alpha_, x, beta_ * ema_);
    return ema_;
  }

  bool ready() const { return seed_.done(); }
  std::optional<double> value() const {
    if (!ready()) return std::nullopt;
    return ema_;
  }
  std::size_t period() const { return seed_.period(); }
  double alpha() const { return alpha_; }

 private:
  SeedMean seed_;
  double alpha_;
  double beta_;
  double ema_ = 0.0;
};

}  // namespace tolvex
