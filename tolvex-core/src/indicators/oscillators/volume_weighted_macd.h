#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/moving_averages/vwma.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// MACD whose fast and slow lines are volume-weighted averages of the close;
// the signal line is an exponential stage over their difference.
class VolumeWeightedMacd final : public MacdLines {
 public:
  static Result<VolumeWeightedMacd, IndicatorError> create(std::size_t fast, std::size_t slow,
                                                           std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return slow_period_ + signal_.period() - 1; }

 private:
  VolumeWeightedMacd(Vwma fast, Vwma slow, std::size_t slow_period, std::size_t signal)
      : fast_(std::move(fast)),
        slow_(std::move(slow)),
        slow_period_(slow_period),
        signal_(signal) {}
  Vwma fast_, slow_;
  std::size_t slow_period_;
  EmaStage signal_;
};

}  // namespace tolvex
