#include "indicators/momentum/pmo.h"

#include <cmath>

#include "window.h"

namespace tolvex {

Result<Pmo, IndicatorError> Pmo::create(std::size_t a, std::size_t b) {
  if (auto st = check_period(a); !st) return err(st.error());
  if (auto st = check_period(b); !st) return err(st.error());
  if (a < 2 || b < 2)
    return err(IndicatorError::invalid_period("PMO smoothing periods must be >= 2"));
  return Pmo(a, b);
}

std::optional<double> Pmo::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  std::optional<double> prev = prev_;
  prev_ = *x;
  if (!prev) return std::nullopt;
  double roc = *prev == 0.0 ? 0.0 : (*x / *prev - 1.0) * 100.0;
  if (!std::isfinite(roc)) return std::nullopt;
  auto s1 = first_.push(roc);
  if (!s1) return std::nullopt;
  double scaled = *s1 * 10.0;
  if (!std::isfinite(scaled)) return std::nullopt;
  return second_.push(scaled);
}

}  // namespace tolvex
