// Parameter rules shared by the band and channel types.
#pragma once

#include <cmath>
#include <cstddef>

#include "errors.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// A band or stop multiplier must be finite and strictly positive.
inline Status<IndicatorError> check_multiplier(double m) {
  if (!(std::isfinite(m) && m > 0)) return err(IndicatorError::non_positive_multiplier());
  return Unit{};
}

// The window length first, then the multiplier.
inline Status<IndicatorError> check_period_multiplier(std::size_t n, double m) {
  if (auto s = check_period(n); !s) return s;
  return check_multiplier(m);
}

// The multiplier first, then the window length.
inline Status<IndicatorError> check_multiplier_period(double m, std::size_t n) {
  if (auto s = check_multiplier(m); !s) return s;
  return check_period(n);
}

// The multiplier first, then the two window lengths in turn.
inline Status<IndicatorError> check_multiplier_periods(double m, std::size_t a, std::size_t b) {
  if (auto s = check_multiplier_period(m, a); !s) return s;
  return check_period(b);
}

}  // namespace tolvex
