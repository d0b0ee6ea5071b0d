// Feeding one stage from another: a stage only takes a finite value, so a
// missing or non-finite upstream value yields nothing and leaves the
// downstream stage untouched.
#pragma once

#include <cmath>
#include <optional>

namespace tolvex {

template <class Stage>
std::optional<double> feed(Stage& stage, std::optional<double> x) {
  if (!x || !std::isfinite(*x)) return std::nullopt;
  return stage.push(*x);
}

}  // namespace tolvex
