#pragma once

#include <cstddef>

#include "errors.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// MACD with the fixed 12/26 coefficients 0.15 and 0.075 and a free signal
// period.
class MacdFix final : public CloseMacd {
 public:
  static Result<MacdFix, IndicatorError> create(std::size_t signal);

 private:
  explicit MacdFix(std::size_t signal);
};

}  // namespace tolvex
