#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Average weighted by a half sine wave over the window.
class SineWeightedMa final : public IndicatorEvaluator {
 public:
  static Result<SineWeightedMa, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return win_.capacity(); }

 private:
  explicit SineWeightedMa(std::size_t n);
  FifoWindow<double> win_;
  std::vector<double> weights_;
  double weight_sum_ = -0.0;
};

}  // namespace tolvex
