#pragma once

namespace tolvex {

// max(x, 0) for variances and sums of squares that rounding pushed below
// zero. Yields +0.0 for -0.0, and lets NaN through so that a poisoned window
// still shows a non-finite value instead of a plausible 0.
inline double non_negative(double x) {
  return x <= 0.0 ? 0.0 : x;
}

}  // namespace tolvex
