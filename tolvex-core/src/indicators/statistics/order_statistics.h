// Order-statistic rules of the statistics types, over values already sorted.
#pragma once

#include <cmath>
#include <cstddef>
#include <span>

namespace tolvex {

// Quantile q (0 <= q <= 1) of a non-empty sorted list by linear
// interpolation between the neighbouring ranks of q * (N - 1).
inline double interpolated_quantile(std::span<const double> d, double q) {
  std::size_t last = d.size() - 1;
  double v = q * static_cast<double>(last);
  double fi = std::floor(v);
  std::size_t i = static_cast<std::size_t>(fi);
  if (i < last) return d[i] + (v - fi) * (d[i + 1] - d[i]);
  return d[last];
}

}  // namespace tolvex
