// Interquartile range of the last n closes: quantile 0.75 minus quantile 0.25.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/sorted_window.h"
#include "result.h"

namespace tolvex {

class RollingIqr final : public IndicatorEvaluator {
 public:
  static Result<RollingIqr, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.window(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit RollingIqr(std::size_t n);

  SortedWindow window_;
};

}  // namespace tolvex
