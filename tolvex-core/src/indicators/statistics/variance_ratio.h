// Lo-MacKinlay variance ratio of the spread close - reference over the last n
// steps: the variance of q-step changes over q times that of 1-step changes.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class VarianceRatio final : public IndicatorEvaluator {
 public:
  static Result<VarianceRatio, IndicatorError> create(std::size_t n, std::size_t q);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return spreads_.capacity(); }
  // Feeds one spread close - reference; the ratio once the window is full.
  std::optional<double> push(double spread);

 private:
  explicit VarianceRatio(std::size_t n, std::size_t q);

  FifoWindow<double> spreads_;
  // One-step changes of the window, rebuilt on every step.
  std::vector<double> diffs_;
  std::size_t q_;
};

}  // namespace tolvex
