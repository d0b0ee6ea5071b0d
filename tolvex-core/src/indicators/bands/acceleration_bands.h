// Acceleration bands: simple averages of the high widened and the low
// narrowed by f times the bar's relative range, around the average close.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "window.h"

namespace tolvex {

class AccelerationBands final : public MultiOutputEvaluator {
 public:
  static Result<AccelerationBands, IndicatorError> create(std::size_t n, double f);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return close_.capacity(); }

 private:
  AccelerationBands(std::size_t n, double f) : upper_(n), close_(n), lower_(n), f_(f) {}

  SumWindow upper_;
  SumWindow close_;
  SumWindow lower_;
  double f_;
};

}  // namespace tolvex
