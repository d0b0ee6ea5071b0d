// Fractal chaos bands: the band levels are the latest fractal high and low,
// a bar whose high (low) strictly exceeds (undercuts) those of the n bars on
// each side of it. Each band holds its level until a newer fractal replaces it.
#pragma once

#include <cstddef>
#include <optional>

#include "indicator.h"
#include "window.h"

namespace tolvex {

class FractalChaosBands final : public MultiOutputEvaluator {
 public:
  static Result<FractalChaosBands, IndicatorError> create(std::size_t n);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return highs_.capacity(); }

 private:
  explicit FractalChaosBands(std::size_t n) : n_(n), highs_(2 * n + 1), lows_(2 * n + 1) {}

  std::size_t n_;
  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
  std::optional<double> upper_;
  std::optional<double> lower_;
};

}  // namespace tolvex
