#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/bands/projection_bands.h"
#include "result.h"

namespace tolvex {

// Where the close sits between the projection bands (highs and lows carried
// forward along their regression slopes), 0 .. 100.
class ProjectionOscillator final : public IndicatorEvaluator {
 public:
  static Result<ProjectionOscillator, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return bands_.warmup(); }

 private:
  explicit ProjectionOscillator(ProjectionBands bands) : bands_(std::move(bands)) {}
  ProjectionBands bands_;
};

}  // namespace tolvex
