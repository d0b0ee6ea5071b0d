#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "indicators/common/window_moments.h"
#include "result.h"

namespace tolvex {

// Sample standard deviation of the last v rolling volatilities, each being
// the sample standard deviation of w log returns (neither annualised).
class VolatilityOfVolatility final : public IndicatorEvaluator {
 public:
  static Result<VolatilityOfVolatility, IndicatorError> create(std::size_t w, std::size_t v);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return returns_.capacity() + vols_.capacity(); }

 private:
  VolatilityOfVolatility(std::size_t w, std::size_t v) : returns_(w), vols_(v) {}

  LogReturnStage log_return_;
  WindowMoments returns_;
  WindowMoments vols_;
};

}  // namespace tolvex
