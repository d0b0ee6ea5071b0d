// Percent rate of change over r steps as a stage, for the types that smooth
// several of them (Coppock, Kst): (x - x_r) / x_r * 100, or 0 when x_r is 0.
#pragma once

#include <cstddef>
#include <optional>

#include "window.h"

namespace tolvex {

class RateOfChangeStage {
 public:
  explicit RateOfChangeStage(std::size_t r) : lag_(r) {}

  std::optional<double> push(double x) {
    lag_.push(x);
    if (!lag_.is_full()) return std::nullopt;
    double old = lag_.lagged();
    if (old == 0.0) return 0.0;
    return (x - old) / old * 100.0;
  }

  std::size_t period() const { return lag_.window().capacity() - 1; }

 private:
  LagWindow lag_;
};

}  // namespace tolvex
