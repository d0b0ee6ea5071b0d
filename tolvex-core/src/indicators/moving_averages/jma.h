#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// Jurik-style adaptive average with phase and power; the first close is
// its own first value.
class Jma final : public IndicatorEvaluator {
 public:
  static Result<Jma, IndicatorError> create(std::size_t n, double phase, uint32_t power);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  Jma(std::size_t n, double phase, uint32_t power);
  double a_, b_, r_;
  bool started_ = false;
  double e0_ = 0, e1_ = 0, e2_ = 0, jma_ = 0;
};

}  // namespace tolvex
