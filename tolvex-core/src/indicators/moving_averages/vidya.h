#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/chande_momentum.h"
#include "result.h"

namespace tolvex {

// Chande's variable index dynamic average: an exponential average whose
// speed scales with the absolute Chande momentum of the last m steps.
class Vidya final : public IndicatorEvaluator {
 public:
  static Result<Vidya, IndicatorError> create(std::size_t n, std::size_t m);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return cmo_.period() + 1; }

 private:
  Vidya(std::size_t n, std::size_t m) : alpha_(2.0 / (static_cast<double>(n) + 1)), cmo_(m) {}
  double alpha_;
  ChandeMomentum cmo_;
  std::optional<double> value_;
};

}  // namespace tolvex
