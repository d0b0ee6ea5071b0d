// Lag-k autocorrelation of the last n closes about their mean.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/equal_run.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class Autocorrelation final : public IndicatorEvaluator {
 public:
  static Result<Autocorrelation, IndicatorError> create(std::size_t n, std::size_t lag);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit Autocorrelation(std::size_t n, std::size_t lag);

  FifoWindow<double> window_;
  // Spots a flat window, whose value is exact.
  EqualRun run_;
  std::size_t lag_;
};

}  // namespace tolvex
