#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// The close's distance from its n-close simple mean, in percent of the mean.
class DisparityIndex final : public IndicatorEvaluator {
 public:
  static Result<DisparityIndex, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return mean_.capacity(); }

 private:
  explicit DisparityIndex(std::size_t n) : mean_(n) {}
  SumWindow mean_;
};

}  // namespace tolvex
