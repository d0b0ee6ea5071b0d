#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// tanh(close * scale): squashes a scaled series into -1 .. 1.
class InverseFisherTransform final : public IndicatorEvaluator {
 public:
  static Result<InverseFisherTransform, IndicatorError> create(double scale);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 1; }

 private:
  explicit InverseFisherTransform(double scale) : scale_(scale) {}
  double scale_;
};

}  // namespace tolvex
