#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/log_return.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// (pi / 2) times the sum of |r_i * r_(i-1)| over the adjacent pairs of the
// last n log returns: a variance measure that a single jump barely moves.
class BipowerVariation final : public IndicatorEvaluator {
 public:
  static Result<BipowerVariation, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return returns_.capacity() + 1; }

 private:
  explicit BipowerVariation(std::size_t n) : returns_(n) {}

  void resum();

  LogReturnStage log_return_;
  FifoWindow<double> returns_;
  double sum_ = 0.0;
  std::size_t added_ = 0;
};

}  // namespace tolvex
