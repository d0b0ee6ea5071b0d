// Parameter checks shared by the statistics types, on top of check_period.
#pragma once

#include <cstddef>
#include <string_view>

#include "errors.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// A minimum length with its own message for every shorter length, 0
// included; then the maximum-length rule.
inline Status<IndicatorError> check_min_period(std::size_t n, std::size_t min,
                                               std::string_view message) {
  if (n < min) return err(IndicatorError::invalid_period(message));
  return check_period(n);
}

// Zero first, then the type's minimum, then the maximum-length rule.
inline Status<IndicatorError> check_zero_min_period(std::size_t n, std::size_t min,
                                                    std::string_view message) {
  if (n == 0) return err(IndicatorError::period_zero());
  if (n < min) return err(IndicatorError::invalid_period(message));
  return check_period(n);
}

}  // namespace tolvex
