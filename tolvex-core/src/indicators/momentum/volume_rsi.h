#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/rsi_stage.h"
#include "indicators/moving_averages/smma.h"
#include "result.h"

namespace tolvex {

// RSI of the bar's volume: whether participation is expanding or fading.
class VolumeRsi final : public IndicatorEvaluator {
 public:
  static Result<VolumeRsi, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 1; }

 private:
  VolumeRsi(std::size_t n, const Smma& average) : n_(n), stage_(average, average) {}
  std::size_t n_;
  BasicRsiStage<Smma, up_share_percent> stage_;
};

}  // namespace tolvex
