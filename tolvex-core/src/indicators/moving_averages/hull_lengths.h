// The three stage lengths of the Hull construction shared by Hma and Ehma:
// half = n/2 (1 for n <= 3), full = n, root = round(sqrt(n)) (at least 1).
#pragma once

#include <cmath>
#include <cstddef>

namespace tolvex {

inline std::size_t hull_half(std::size_t n) {
  return n > 3 ? n / 2 : 1;
}

inline std::size_t hull_root(std::size_t n) {
  double r = std::round(std::sqrt(static_cast<double>(n)));
  return r < 2 ? 1 : static_cast<std::size_t>(r);
}

}  // namespace tolvex
