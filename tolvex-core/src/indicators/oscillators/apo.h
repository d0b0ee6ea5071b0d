#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Absolute price oscillator: fast EMA minus slow EMA of the close.
class Apo final : public IndicatorEvaluator {
 public:
  static Result<Apo, IndicatorError> create(std::size_t fast, std::size_t slow);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return slow_.period(); }

 private:
  Apo(std::size_t fast, std::size_t slow) : fast_(fast), slow_(slow) {}
  EmaStage fast_, slow_;
};

}  // namespace tolvex
