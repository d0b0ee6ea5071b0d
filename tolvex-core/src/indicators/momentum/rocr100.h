#pragma once

#include <cstddef>

#include "indicators/momentum/lag_oscillator.h"

namespace tolvex {

// Ratio of the close to the close n steps back, times 100.
struct Rocr100Formula {
  static double of(double x, double old) { return x / old * 100.0; }
};

class Rocr100 final : public LagOscillator<Rocr100Formula> {
 public:
  static Result<Rocr100, IndicatorError> create(std::size_t n) { return make<Rocr100>(n); }

 private:
  friend class LagOscillator<Rocr100Formula>;
  explicit Rocr100(std::size_t n) : LagOscillator(n) {}
};

}  // namespace tolvex
