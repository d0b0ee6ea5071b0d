#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/sma.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Where a value sits in its window's range, in percent; 50 for a flat
// window. Shared by the stochastic types.
inline double stochastic_percent(double x, double lo, double hi) {
  if (hi == lo) return 50.0;
  return (x - lo) * 100.0 / (hi - lo);
}

// Stochastic oscillator: %K of the close within the last k bars' range and
// its simple mean %D.
class Stochastic final : public MultiOutputEvaluator {
 public:
  static Result<Stochastic, IndicatorError> create(std::size_t k, std::size_t d);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return k_ + d_.period() - 1; }

 private:
  Stochastic(std::size_t k, Sma d)
      : k_(k),
        highs_(k, ExtremeQueue::Kind::Max),
        lows_(k, ExtremeQueue::Kind::Min),
        d_(std::move(d)) {}
  std::size_t k_;
  ExtremeQueue highs_, lows_;
  Sma d_;
};

}  // namespace tolvex
