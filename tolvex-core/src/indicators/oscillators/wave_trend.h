#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/moving_averages/sma.h"
#include "result.h"

namespace tolvex {

// WaveTrend: a channel index of the bar's typical price smoothed into the
// line wt1, with wt2 its simple mean.
class WaveTrend final : public MultiOutputEvaluator {
 public:
  static Result<WaveTrend, IndicatorError> create(std::size_t channel, std::size_t average,
                                                  std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override {
    return wt1_.period() + 2 * esa_.period() + wt2_.period() - 3;
  }

 private:
  WaveTrend(std::size_t channel, std::size_t average, Sma signal)
      : esa_(channel), dev_(channel), wt1_(average), wt2_(std::move(signal)) {}
  EmaStage esa_, dev_, wt1_;
  Sma wt2_;
};

}  // namespace tolvex
