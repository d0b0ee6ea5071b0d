// Distance of the close from the mean of the last n closes in population
// standard deviations; 0 for a flat window.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/flat_moments.h"
#include "result.h"

namespace tolvex {

class ZScore final : public IndicatorEvaluator {
 public:
  static Result<ZScore, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return moments_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit ZScore(std::size_t n);

  FlatAwareMoments moments_;
};

}  // namespace tolvex
