#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// Ehlers' Laguerre RSI: the close passes through a four-element Laguerre
// filter with damping gamma, and the index compares the rises and falls
// between neighbouring elements.
class LaguerreRsi final : public IndicatorEvaluator {
 public:
  static Result<LaguerreRsi, IndicatorError> create(double gamma);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  explicit LaguerreRsi(double gamma) : g_(gamma) {}
  double g_;
  bool started_ = false;
  double l0_ = 0, l1_ = 0, l2_ = 0, l3_ = 0;
};

}  // namespace tolvex
