#pragma once

#include <cstddef>

#include "indicators/momentum/lag_oscillator.h"

namespace tolvex {

// Momentum: the close minus the close n steps back.
struct MomFormula {
  static double of(double x, double old) { return x - old; }
};

class Mom final : public LagOscillator<MomFormula> {
 public:
  static Result<Mom, IndicatorError> create(std::size_t n) { return make<Mom>(n); }

 private:
  friend class LagOscillator<MomFormula>;
  explicit Mom(std::size_t n) : LagOscillator(n) {}
};

}  // namespace tolvex
