#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "indicators/common/window_moments.h"
#include "result.h"

namespace tolvex {

// Close-to-close volatility: the sample standard deviation of the last n
// log returns, annualised with p bars per year, in percent.
class HistoricalVolatility final : public IndicatorEvaluator {
 public:
  static Result<HistoricalVolatility, IndicatorError> create(std::size_t n,
                                                             std::size_t bars_per_year);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return returns_.capacity() + 1; }

 private:
  HistoricalVolatility(std::size_t n, double factor) : returns_(n), factor_(factor) {}

  LogReturnStage log_return_;
  WindowMoments returns_;
  double factor_;
};

}  // namespace tolvex
