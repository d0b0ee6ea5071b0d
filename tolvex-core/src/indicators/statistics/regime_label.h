// Volatility regime of the close: the sample standard deviation of the last a
// log returns against the quartiles of its own last b values; -1 below the
// first quartile, +1 above the third, 0 between.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "indicators/sorted_window.h"
#include "indicators/statistics/flat_moments.h"
#include "result.h"

namespace tolvex {

class RegimeLabel final : public IndicatorEvaluator {
 public:
  static Result<RegimeLabel, IndicatorError> create(std::size_t vol_period, std::size_t lookback);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return moments_.capacity() + vols_.window(); }
  // Feeds one finite close above 0; the label once both windows are full.
  std::optional<double> push(double x);

 private:
  explicit RegimeLabel(std::size_t vol_period, std::size_t lookback);

  LogReturnStage returns_;
  FlatAwareMoments moments_;
  SortedWindow vols_;
};

}  // namespace tolvex
