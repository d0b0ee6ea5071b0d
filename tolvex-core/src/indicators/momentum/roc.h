#pragma once

#include <cstddef>

#include "indicators/momentum/lag_oscillator.h"

namespace tolvex {

// Rate of change in percent over n steps.
struct RocFormula {
  static double of(double x, double old) { return (x - old) / old * 100.0; }
};

class Roc final : public LagOscillator<RocFormula> {
 public:
  static Result<Roc, IndicatorError> create(std::size_t n) { return make<Roc>(n); }

 private:
  friend class LagOscillator<RocFormula>;
  explicit Roc(std::size_t n) : LagOscillator(n) {}
};

}  // namespace tolvex
