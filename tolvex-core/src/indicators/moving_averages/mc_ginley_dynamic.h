#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// McGinley dynamic: seeded with the mean of the first n closes, then an
// average whose speed follows the ratio of the close to the last value.
class McGinleyDynamic final : public IndicatorEvaluator {
 public:
  static Result<McGinleyDynamic, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return seed_.period(); }

 private:
  explicit McGinleyDynamic(std::size_t n);
  SeedMean seed_;
  double scale_;
  double value_ = 0;
};

}  // namespace tolvex
