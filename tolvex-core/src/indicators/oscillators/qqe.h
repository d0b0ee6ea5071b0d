#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/momentum/rsi.h"
#include "result.h"

namespace tolvex {

// Quantitative qualitative estimation: a smoothed RSI with a trailing line
// that follows it at a distance of k times its doubly smoothed mean
// absolute step, flipping side when the RSI crosses it.
class Qqe final : public MultiOutputEvaluator {
 public:
  static Result<Qqe, IndicatorError> create(std::size_t n, std::size_t s, double k);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override {
    return rsi_.period() + rsi_ma_.period() + 2 * dar1_.period() - 1;
  }

 private:
  Qqe(Rsi rsi, std::size_t s, std::size_t w, double k)
      : rsi_(std::move(rsi)), rsi_ma_(s), dar1_(w), dar2_(w), k_(k) {}

  // The bands as of the last update that reached them.
  struct Bands {
    double long_band;
    double short_band;
    double rsi_ma;
    bool up;
  };

  Rsi rsi_;
  EmaStage rsi_ma_, dar1_, dar2_;
  double k_;
  std::optional<double> prev_ma_;
  std::optional<Bands> bands_;
};

}  // namespace tolvex
