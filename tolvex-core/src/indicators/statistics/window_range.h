// Smallest and largest value of a window in one pass. The windows hold
// finite values only, so plain comparisons agree with maxNum/minNum and
// avoid a library call per element.
#pragma once

#include <limits>

#include "window.h"

namespace tolvex {

struct WindowRange {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -std::numeric_limits<double>::infinity();

  void add(double v) {
    if (v < lo) lo = v;
    if (v > hi) hi = v;
  }
};

inline WindowRange window_range(const FifoWindow<double>& w) {
  WindowRange r;
  w.for_each([&](double v) { r.add(v); });
  return r;
}

}  // namespace tolvex
