// Quartile bands: the interpolated 75th, 50th and 25th percentiles of the
// last n closes.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/sorted_window.h"

namespace tolvex {

class QuartileBands final : public MultiOutputEvaluator {
 public:
  static Result<QuartileBands, IndicatorError> create(std::size_t n);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.window(); }

 private:
  explicit QuartileBands(std::size_t n) : window_(n) {}

  SortedWindow window_;
};

}  // namespace tolvex
