#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Volume-weighted average of the last n closes; the plain mean when the
// window traded no volume.
class Vwma final : public IndicatorEvaluator {
 public:
  static Result<Vwma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return win_.capacity(); }

 private:
  explicit Vwma(std::size_t n);
  struct Pair {
    double close = 0;
    double volume = 0;
  };
  FifoWindow<Pair> win_;
  double pv_sum_ = -0.0;
  double v_sum_ = -0.0;
  double c_sum_ = -0.0;
  std::size_t pushes_ = 0;
  // Pairs in the window with a non-zero volume.
  std::size_t traded_ = 0;
};

}  // namespace tolvex
