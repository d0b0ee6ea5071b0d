// The Hull construction shared by Hma (weighted means) and Ehma (EMA
// stages): stages of lengths half = n/2 (1 for n <= 3) and full = n see
// every close, and (half + half) - full feeds a stage of length
// root = round(sqrt(n)) (1 when that is below 2), whose output is the result.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>

#include "indicators/common/stage_chain.h"

namespace tolvex {

inline std::size_t hull_half(std::size_t n) {
  return n > 3 ? n / 2 : 1;
}

inline std::size_t hull_root(std::size_t n) {
  double r = std::round(std::sqrt(static_cast<double>(n)));
  return r < 2 ? 1 : static_cast<std::size_t>(r);
}

template <class Stage>
class HullChain {
 public:
  explicit HullChain(std::size_t n) : half_(hull_half(n)), full_(n), root_(hull_root(n)) {}

  // Feeds one finite close; the average once the root stage has a value.
  std::optional<double> push(double x) {
    auto h = half_.push(x);
    auto f = full_.push(x);
    if (!h || !f) return std::nullopt;
    return feed(root_, std::optional<double>((*h + *h) - *f));
  }
  // The first value comes when the full stage has filled and the root stage
  // has then received its own length of inputs.
  std::size_t warmup() const { return full_.period() + root_.period() - 1; }

 private:
  Stage half_, full_, root_;
};

}  // namespace tolvex
