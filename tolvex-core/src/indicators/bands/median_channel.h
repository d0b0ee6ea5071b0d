// Median channel: the median of the last n closes, with bands at m times
// the median absolute deviation (unscaled) on either side.
#pragma once

#include <cstddef>
#include <vector>

#include "indicator.h"
#include "indicators/sorted_window.h"

namespace tolvex {

class MedianChannel final : public MultiOutputEvaluator {
 public:
  static Result<MedianChannel, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.window(); }

 private:
  MedianChannel(std::size_t n, double m) : window_(n), deviations_(n), m_(m) {}

  SortedWindow window_;
  std::vector<double> deviations_;  // scratch, sized once
  double m_;
};

}  // namespace tolvex
