// Bomar bands: around the mean of the last n closes, a band placed so that
// a fraction q of the window's relative deviations from the mean lies inside.
#pragma once

#include <cstddef>
#include <vector>

#include "indicator.h"
#include "indicators/sorted_window.h"

namespace tolvex {

class BomarBands final : public MultiOutputEvaluator {
 public:
  static Result<BomarBands, IndicatorError> create(std::size_t n, double q);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.window(); }

 private:
  BomarBands(std::size_t n, double q) : window_(n), deviations_(n), q_(q) {}

  SortedWindow window_;
  std::vector<double> deviations_;  // scratch, sized once
  double q_;
};

}  // namespace tolvex
