// Projection bands: every high (low) of the last n bars is carried forward
// to the newest bar along the regression slope of the highs (lows); the
// bands are the outermost projections.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/ols_line.h"
#include "window.h"

namespace tolvex {

class ProjectionBands final : public MultiOutputEvaluator {
 public:
  static Result<ProjectionBands, IndicatorError> create(std::size_t n);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return highs_.capacity(); }

 private:
  explicit ProjectionBands(std::size_t n) : highs_(n), lows_(n), line_(n) {}

  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
  OlsLine line_;
};

}  // namespace tolvex
