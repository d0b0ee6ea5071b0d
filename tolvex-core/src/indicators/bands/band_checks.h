// Parameter rules shared by the band and channel types.
#pragma once

#include <cmath>

#include "errors.h"
#include "result.h"

namespace tolvex {

// A band or stop multiplier must be finite and strictly positive.
inline Status<IndicatorError> check_multiplier(double m) {
  if (!(std::isfinite(m) && m > 0)) return err(IndicatorError::non_positive_multiplier());
  return Unit{};
}

}  // namespace tolvex
