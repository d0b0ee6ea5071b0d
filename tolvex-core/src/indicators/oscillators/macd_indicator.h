#pragma once

#include <cstddef>

#include "errors.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// Moving average convergence/divergence of the close: the MACD line, its
// signal average and their difference.
class MacdIndicator final : public CloseMacd {
 public:
  static Result<MacdIndicator, IndicatorError> create(std::size_t fast, std::size_t slow,
                                                      std::size_t signal);

 private:
  explicit MacdIndicator(MacdStage s) : CloseMacd(s) {}
};

}  // namespace tolvex
