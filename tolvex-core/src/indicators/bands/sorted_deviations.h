// The deviations of a sorted window from a centre, in ascending order, for
// the median channel and the Bomar bands.
#pragma once

#include <cstddef>
#include <span>

namespace tolvex {

// Writes |x - centre| / scale of every value of the ascending list `d` into
// `out` in ascending order, by merging outward from where `centre` falls in
// `d`: one linear pass instead of a sort. Values below the centre give
// (centre - x), which is bit-identical to |x - centre|.
inline void sorted_deviations(std::span<const double> d, double centre, double scale,
                              std::span<double> out) {
  std::size_t split = 0;
  while (split < d.size() && d[split] < centre) ++split;
  std::size_t lo = split, hi = split, k = 0;
  while (lo > 0 || hi < d.size()) {
    double below = lo > 0 ? (centre - d[lo - 1]) / scale : 0;
    double above = hi < d.size() ? (d[hi] - centre) / scale : 0;
    if (hi == d.size() || (lo > 0 && below <= above)) {
      out[k++] = below;
      --lo;
    } else {
      out[k++] = above;
      ++hi;
    }
  }
}

}  // namespace tolvex
