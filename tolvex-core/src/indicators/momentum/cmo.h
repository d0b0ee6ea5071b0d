#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/chande_momentum.h"
#include "result.h"

namespace tolvex {

// Chande momentum oscillator of the close, -100 .. 100.
class Cmo final : public IndicatorEvaluator {
 public:
  static Result<Cmo, IndicatorError> create(std::size_t m);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return stage_.period() + 1; }

 private:
  explicit Cmo(std::size_t m) : stage_(m) {}
  ChandeMomentum stage_;
};

}  // namespace tolvex
