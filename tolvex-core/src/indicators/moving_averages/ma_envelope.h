#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/sma.h"
#include "result.h"

namespace tolvex {

// Bands at a fixed proportion above and below the simple mean.
class MaEnvelope final : public MultiOutputEvaluator {
 public:
  static Result<MaEnvelope, IndicatorError> create(std::size_t n, double width);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return sma_.period(); }

 private:
  MaEnvelope(Sma sma, double width) : sma_(std::move(sma)), width_(width) {}
  Sma sma_;
  double width_;
};

}  // namespace tolvex
