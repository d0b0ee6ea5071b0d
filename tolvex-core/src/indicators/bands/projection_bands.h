// Projection bands: the edges of the projection envelope of the last n bars
// and their midpoint.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/projection_envelope.h"

namespace tolvex {

class ProjectionBands final : public MultiOutputEvaluator {
 public:
  static Result<ProjectionBands, IndicatorError> create(std::size_t n);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return envelope_.period(); }

 private:
  explicit ProjectionBands(std::size_t n) : envelope_(n) {}

  ProjectionEnvelope envelope_;
};

}  // namespace tolvex
