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
  // Running sums over the last `length` pairs. A sum whose span holds no
  // nonzero term is exactly 0, so it reads 0 instead of the rounding residue
  // of its adds and subtracts (a flat span must take the fixed 0.5).
  struct Span {
    std::size_t length = 0;
    double bp = 0.0;
    double tr = 0.0;
    std::size_t bp_terms = 0;
    std::size_t tr_terms = 0;
    void add(const Pair& p);
    void remove(const Pair& p);
    // bp / tr, or 0.5 when the span has no range.
    double ratio() const {
      if (tr_terms == 0) return 0.5;
      return (bp_terms == 0 ? 0.0 : bp) / tr;
    }
  };
  UltimateOscillator(std::size_t p1, std::size_t p2, std::size_t p3);

  std::size_t longest_;
  std::array<Span, 3> spans_;
  // One more slot than the longest span, so that the pair leaving any span
  // is still readable after the push.
  FifoWindow<Pair> pairs_;
  std::optional<double> prev_close_;
};

}  // namespace tolvex
