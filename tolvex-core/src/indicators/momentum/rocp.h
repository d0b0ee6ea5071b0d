#pragma once

#include <cstddef>

#include "indicators/momentum/lag_oscillator.h"

namespace tolvex {

// Rate of change over n steps as a fraction.
struct RocpFormula {
  static double of(double x, double old) { return (x - old) / old; }
};

class Rocp final : public LagOscillator<RocpFormula> {
 public:
  static Result<Rocp, IndicatorError> create(std::size_t n) { return make<Rocp>(n); }

 private:
  friend class LagOscillator<RocpFormula>;
  explicit Rocp(std::size_t n) : LagOscillator(n) {}
};

}  // namespace tolvex
