#pragma once

#include <cstddef>

#include "indicators/momentum/lag_oscillator.h"

namespace tolvex {

// Ratio of the close to the close n steps back.
struct RocrFormula {
  static double of(double x, double old) { return x / old; }
};

class Rocr final : public LagOscillator<RocrFormula> {
 public:
  static Result<Rocr, IndicatorError> create(std::size_t n) { return make<Rocr>(n); }

 private:
  friend class LagOscillator<RocrFormula>;
  explicit Rocr(std::size_t n) : LagOscillator(n) {}
};

}  // namespace tolvex
