#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Stochastic momentum index: the close against the midpoint of the last k
// bars' range, both doubly smoothed, as a percentage of half the range.
class Smi final : public IndicatorEvaluator {
 public:
  static Result<Smi, IndicatorError> create(std::size_t k, std::size_t a, std::size_t b);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return k_ + rel_a_.period() + rel_b_.period() - 2; }

 private:
  Smi(std::size_t k, std::size_t a, std::size_t b)
      : k_(k),
        highs_(k, ExtremeQueue::Kind::Max),
        lows_(k, ExtremeQueue::Kind::Min),
        rel_a_(a),
        rel_b_(b),
        range_a_(a),
        range_b_(b) {}
  std::size_t k_;
  ExtremeQueue highs_, lows_;
  EmaStage rel_a_, rel_b_, range_a_, range_b_;
  std::optional<double> last_;
};

}  // namespace tolvex
