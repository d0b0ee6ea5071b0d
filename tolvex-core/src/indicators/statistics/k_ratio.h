// K-ratio of the last n closes taken as per-bar returns: the slope of their
// running total against time divided by the slope's standard error.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/equal_run.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class KRatio final : public IndicatorEvaluator {
 public:
  static Result<KRatio, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit KRatio(std::size_t n);

  FifoWindow<double> window_;
  // Spots a flat window, whose value is exact.
  EqualRun run_;
  // Sum of (x - mean x)^2 for x = 1 ... n, fixed by n.
  double sxx_;
};

}  // namespace tolvex
