#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "indicators/common/window_moments.h"
#include "indicators/sorted_window.h"
#include "result.h"

namespace tolvex {

// Where the current volatility (sample standard deviation of the last w log
// returns) sits among the last L such volatilities. Fields, in order:
// "current", "min", "median", "max", "percentile" (share of the lookback at
// or below the current value, in percent); the value is "current". A bar
// closing at or below 0 repeats the previous outputs.
class VolatilityCone final : public MultiOutputEvaluator {
 public:
  static Result<VolatilityCone, IndicatorError> create(std::size_t w, std::size_t lookback);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return returns_.capacity() + vols_.window(); }

 private:
  VolatilityCone(std::size_t w, std::size_t lookback) : returns_(w), vols_(lookback) {}

  LogReturnStage log_return_;
  WindowMoments returns_;
  SortedWindow vols_;
};

}  // namespace tolvex
