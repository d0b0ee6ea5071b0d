// The n-step comparison types (Mom, Roc, Rocp, Rocr, Rocr100): a lag window
// of n + 1 closes and a formula of the newest close and the close n steps
// back. Every one of them reads 0 when the old close is 0.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

template <class Formula>
class LagOscillator : public IndicatorEvaluator {
 public:
  std::optional<double> update(const IndicatorInput& in) final {
    auto x = finite_close(in);
    if (!x) return std::nullopt;
    lag_.push(*x);
    if (!lag_.is_full()) return std::nullopt;
    double old = lag_.lagged();
    if (old == 0.0) return 0.0;
    return Formula::of(*x, old);
  }
  std::size_t warmup() const final { return lag_.window().capacity(); }

 protected:
  explicit LagOscillator(std::size_t n) : lag_(n) {}

  template <class T>
  static Result<T, IndicatorError> make(std::size_t n) {
    if (auto st = check_period(n); !st) return err(st.error());
    return T(n);
  }

 private:
  LagWindow lag_;
};

}  // namespace tolvex
