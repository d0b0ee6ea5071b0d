// The relative-strength stage shared by every RSI-based type: the first
// input only becomes the previous value; each later one splits its move into
// up and down parts, both Wilder-averaged over n, and the two averages give
// the index, or 50 when neither side moved.
//
// Rsi and its embedders use the fused Wilder average and avg_up * 100 /
// total; VolumeRsi averages with (t + avg * (n - 1)) / n and rounds the index
// as avg_up / total * 100. The stage is written once for both.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

#include "indicators/common/wilder_average.h"

namespace tolvex {

// avg_up * 100 / (avg_up + avg_down), or 50 when both are 0.
inline double rsi_index(double up, double down) {
  double total = up + down;
  if (total == 0.0) return 50.0;
  return up * 100.0 / total;
}

// avg_up / (avg_up + avg_down) * 100, or 50 when both are 0.
inline double up_share_percent(double up, double down) {
  double total = up + down;
  if (total == 0.0) return 50.0;
  return up / total * 100.0;
}

// `Average` is any stage with `std::optional<double> push(double)`.
template <class Average, double (*Index)(double, double)>
class BasicRsiStage {
 public:
  BasicRsiStage(Average up, Average down) : up_(std::move(up)), down_(std::move(down)) {}

  // Feeds one finite input; returns the index from the (n + 1)-th input on.
  std::optional<double> push(double x) {
    if (!prev_) {
      prev_ = x;
      return std::nullopt;
    }
    double up = std::max(x - *prev_, 0.0);
    double down = std::max(*prev_ - x, 0.0);
    prev_ = x;
    auto avg_up = up_.push(up);
    auto avg_down = down_.push(down);
    if (!avg_up || !avg_down) return std::nullopt;
    return Index(*avg_up, *avg_down);
  }

 protected:
  const Average& up_average() const { return up_; }

 private:
  Average up_;
  Average down_;
  std::optional<double> prev_;
};

class RsiStage : public BasicRsiStage<WilderAverage, rsi_index> {
 public:
  explicit RsiStage(std::size_t n) : BasicRsiStage(WilderAverage(n), WilderAverage(n)) {}
  std::size_t period() const { return up_average().period(); }
};

}  // namespace tolvex
