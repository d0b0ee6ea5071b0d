#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// True strength index: the double-smoothed one-step move over the
// double-smoothed move magnitude, -1 .. 1 (not scaled by 100).
class Tsi final : public IndicatorEvaluator {
 public:
  static Result<Tsi, IndicatorError> create(std::size_t r, std::size_t s);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return num_long_.period() + num_short_.period(); }

 private:
  Tsi(std::size_t r, std::size_t s) : num_long_(r), num_short_(s), den_long_(r), den_short_(s) {}
  EmaStage num_long_;
  EmaStage num_short_;
  EmaStage den_long_;
  EmaStage den_short_;
  std::optional<double> prev_;
};

}  // namespace tolvex
