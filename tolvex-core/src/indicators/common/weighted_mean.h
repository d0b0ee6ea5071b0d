// The linearly weighted mean of the last n inputs (oldest weight 1, newest
// weight n) in constant time per input. The weighted and plain sums are
// updated incrementally and recomputed exactly from the ring after every 16
// wraps of the head, which bounds their drift.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace tolvex {

class WeightedMean {
 public:
  explicit WeightedMean(std::size_t n)
      : buf_(n, 0.0),
        n_(n),
        weight_n_(static_cast<double>(n)),
        divisor_((static_cast<double>(n) + 1.0) * static_cast<double>(n) * 0.5) {}

  // Feeds one finite input; returns the mean once n inputs are held.
  std::optional<double> push(double x) {
    if (count_ < n_) {
      buf_[head_] = x;
      plain_ = x + plain_;
      ++count_;
      if (count_ == n_) weighted_ = exact_weighted();
    } else {
      double old = buf_[head_];
      buf_[head_] = x;
      weighted_ = (weighted_ - plain_) + x * weight_n_;
      plain_ = x + (plain_ - old);
    }
    if (++head_ == n_) {
      head_ = 0;
      if (++cycles_ >= kCyclesPerRebuild) rebuild();
    }
    if (count_ < n_) return std::nullopt;
    return weighted_ / divisor_;
  }

  bool ready() const { return count_ == n_; }
  std::size_t period() const { return n_; }

 private:
  static constexpr std::size_t kCyclesPerRebuild = 16;

  // Only called when slot 0 holds the oldest value (at the first fill and
  // right after the head wraps), so the ring is in age order.
  double exact_weighted() const {
    double w = -0.0;
    for (std::size_t k = 0; k < n_; ++k) w += static_cast<double>(k + 1) * buf_[k];
    return w;
  }
  void rebuild() {
    cycles_ = 0;
    if (count_ < n_) return;
    double s = -0.0;
    for (double v : buf_) s += v;
    plain_ = s;
    weighted_ = exact_weighted();
  }

  std::vector<double> buf_;
  std::size_t n_;
  double weight_n_;
  double divisor_;
  std::size_t head_ = 0;
  std::size_t count_ = 0;
  std::size_t cycles_ = 0;
  double plain_ = -0.0;
  double weighted_ = -0.0;
};

}  // namespace tolvex
