// The relative-strength stage of length n shared by every RSI-based type:
// the first input only becomes the previous value; each later one splits
// its move into up and down parts, both Wilder-averaged over n, giving
// avg_up * 100 / (avg_up + avg_down), or 50 when neither side moved.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>

#include "indicators/common/wilder_average.h"

namespace tolvex {

class RsiStage {
 public:
  explicit RsiStage(std::size_t n) : up_(n), down_(n) {}

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
    double total = *avg_up + *avg_down;
    if (total == 0.0) return 50.0;
    return *avg_up * 100.0 / total;
  }

  std::size_t period() const { return up_.period(); }

 private:
  WilderAverage up_;
  WilderAverage down_;
  std::optional<double> prev_;
};

}  // namespace tolvex
