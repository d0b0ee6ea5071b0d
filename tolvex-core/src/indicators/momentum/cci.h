#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/resummed_sum.h"
#include "result.h"

namespace tolvex {

// Commodity channel index: the typical price's distance from its n-bar mean
// in units of 0.015 mean absolute deviations.
class Cci final : public IndicatorEvaluator {
 public:
  static Result<Cci, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return prices_.capacity(); }

 private:
  explicit Cci(std::size_t n) : prices_(n) {}
  ResummedSum prices_;
};

// The scale that puts most CCI readings within -100 .. 100.
inline constexpr double kCciScale = 0.015;

}  // namespace tolvex
