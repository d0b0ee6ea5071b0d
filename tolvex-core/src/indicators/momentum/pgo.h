#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/common/true_range.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Pretty good oscillator: the close's distance from its n-bar simple mean in
// units of the exponentially averaged true range.
class Pgo final : public IndicatorEvaluator {
 public:
  static Result<Pgo, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return mean_.capacity(); }

 private:
  explicit Pgo(std::size_t n) : mean_(n), range_(n) {}
  SumWindow mean_;
  TrueRangeStage tr_;
  EmaStage range_;
  std::optional<double> last_;
};

}  // namespace tolvex
