#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Chande's Qstick: the n-bar simple mean of close - open.
class Qstick final : public IndicatorEvaluator {
 public:
  static Result<Qstick, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return mean_.capacity(); }

 private:
  explicit Qstick(std::size_t n) : mean_(n) {}
  SumWindow mean_;
};

}  // namespace tolvex
