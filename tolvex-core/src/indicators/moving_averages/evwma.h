#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Elastic volume-weighted average over a window of n volumes.
class Evwma final : public IndicatorEvaluator {
 public:
  static Result<Evwma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return volumes_.capacity(); }

 private:
  explicit Evwma(std::size_t n);
  FifoWindow<double> volumes_;
  double volume_sum_ = -0.0;
  std::optional<double> value_;
};

}  // namespace tolvex
