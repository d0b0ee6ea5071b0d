// Log return over n bars: ln(close / close n bars earlier), for finite
// closes above 0.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class LogReturn final : public IndicatorEvaluator {
 public:
  static Result<LogReturn, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 1; }
  // Feeds one accepted close above 0; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit LogReturn(std::size_t n);

  LagWindow window_;
  std::size_t n_;
};

}  // namespace tolvex
