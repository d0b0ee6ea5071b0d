// The true range of a bar and the stage that remembers the previous close.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

#include "records.h"

namespace tolvex {

// max(H - L, |H - Cp|, |L - Cp|), or H - L when there is no previous close.
inline double true_range(double high, double low, std::optional<double> prev_close) {
  double range = high - low;
  if (!prev_close) return range;
  return std::max({range, std::fabs(high - *prev_close), std::fabs(low - *prev_close)});
}

// Feeds validated bars in time order; each push returns that bar's true range
// and then makes its close the previous close.
class TrueRangeStage {
 public:
  double push(double high, double low, double close) {
    double tr = true_range(high, low, prev_close_);
    prev_close_ = close;
    return tr;
  }
  double push(const Candle& bar) { return push(bar.high, bar.low, bar.close); }

  std::optional<double> prev_close() const { return prev_close_; }

 private:
  std::optional<double> prev_close_;
};

}  // namespace tolvex
