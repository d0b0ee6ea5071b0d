// Tells in constant time whether a window holds a single repeated value.
//
// The moments, fits and dependence measures of such a window are exact
// (variance 0, a flat line, no dependence), but the arithmetic that derives
// them does not always get there: the mean of n copies of 0.1 is not 0.1,
// and shifted running sums keep residues of values that have left the
// window. Dividing by a variance made of that residue turns a flat window
// into a skewness of 1e8 or an autocorrelation of 0.8, so the types check
// for a flat window first and give its exact value.
#pragma once

#include <cstddef>

namespace tolvex {

class EqualRun {
 public:
  // Takes every value the window takes, in the same order.
  void push(double x) {
    run_ = run_ > 0 && x == last_ ? run_ + 1 : 1;
    last_ = x;
  }
  // True when the latest n values are all equal (-0.0 and +0.0 count as equal).
  bool covers(std::size_t n) const { return run_ >= n; }
  // The repeated value; meaningful when covers() holds.
  double value() const { return last_; }

 private:
  double last_ = 0.0;
  std::size_t run_ = 0;
};

}  // namespace tolvex
