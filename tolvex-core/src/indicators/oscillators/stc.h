#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Schaff trend cycle: the MACD line put through two rounds of a stochastic
// over c values, each followed by exponential smoothing with factor f.
class Stc final : public IndicatorEvaluator {
 public:
  static Result<Stc, IndicatorError> create(std::size_t fast, std::size_t slow, std::size_t cycle,
                                            double factor);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return slow_.period() + 2 * cycle_ - 2; }

 private:
  // One stochastic round: a window of c values, the position of the newest
  // within its range (0 for a flat window), smoothed with the factor.
  class Round {
   public:
    Round(std::size_t c, double f)
        : max_(c, ExtremeQueue::Kind::Max), min_(c, ExtremeQueue::Kind::Min), f_(f) {}
    std::optional<double> push(double x);

   private:
    ExtremeQueue max_, min_;
    double f_;
    std::optional<double> smoothed_;
  };

  Stc(std::size_t fast, std::size_t slow, std::size_t cycle, double factor)
      : fast_(fast), slow_(slow), cycle_(cycle), first_(cycle, factor), second_(cycle, factor) {}
  EmaStage fast_, slow_;
  std::size_t cycle_;
  Round first_, second_;
};

}  // namespace tolvex
