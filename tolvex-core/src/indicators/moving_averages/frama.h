#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Fractal adaptive average: alpha follows the fractal dimension of the
// window estimated from the ranges of its halves.
class Frama final : public IndicatorEvaluator {
 public:
  static Result<Frama, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return win_.capacity(); }

 private:
  explicit Frama(std::size_t n);
  FifoWindow<double> win_;
  std::optional<double> value_;
};

}  // namespace tolvex
