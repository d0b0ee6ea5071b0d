// The rolling least-squares line with the exact fit of a flat window: slope
// 0 through the repeated value, where the incremental sums may still hold
// residues of values that have left the window (enough to turn R² of a flat
// window from 1 into 0, or to give a flat series a slope of either sign).
#pragma once

#include <cstddef>

#include "indicators/common/least_squares.h"
#include "indicators/statistics/equal_run.h"

namespace tolvex {

class RegressionFit {
 public:
  explicit RegressionFit(std::size_t n) : core_(n) {}

  void push(double y) {
    core_.push(y);
    run_.push(y);
  }
  bool is_full() const { return core_.is_full(); }
  std::size_t period() const { return core_.period(); }
  double denominator() const { return core_.denominator(); }
  // For a full window.
  double slope() const { return flat() ? 0.0 : core_.slope(); }
  double intercept() const { return flat() ? run_.value() : core_.intercept(); }
  double syy() const { return flat() ? 0.0 : core_.syy(); }

 private:
  bool flat() const { return run_.covers(core_.period()); }

  RegressionCore core_;
  EqualRun run_;
};

}  // namespace tolvex
