#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Williams' ultimate oscillator: buying pressure over true range on three
// spans, weighted 4, 2, 1, 0 .. 100.
class UltimateOscillator final : public IndicatorEvaluator {
 public:
  static Result<UltimateOscillator, IndicatorError> create(std::size_t p1, std::size_t p2,
                                                           std::size_t p3);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return longest_ + 1; }

 private:
  struct Pair {
    double bp = 0;
    double tr = 0;
  };
  struct Span {
    std::size_t length = 0;
    double bp = 0.0;
    double tr = 0.0;
    // bp / tr, or 0.5 when the span has no range.
    double ratio() const { return tr == 0.0 ? 0.5 : bp / tr; }
  };
  UltimateOscillator(std::size_t p1, std::size_t p2, std::size_t p3);
  void rebuild();

  std::size_t longest_;
  std::array<Span, 3> spans_;
  // One more slot than the longest span, so that the pair leaving any span
  // is still readable after the push.
  FifoWindow<Pair> pairs_;
  std::optional<double> prev_close_;
  std::size_t pushes_ = 0;
};

}  // namespace tolvex
