// Hurst exponent of the last n closes by rescaled-range analysis over chunk
// counts 1 ... c, clamped to [0, 1]; 0.5 when fewer than two chunk sizes
// give a usable R/S.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/equal_run.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class HurstExponent final : public IndicatorEvaluator {
 public:
  static Result<HurstExponent, IndicatorError> create(std::size_t n, std::size_t chunks);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit HurstExponent(std::size_t n, std::size_t chunks);

  FifoWindow<double> window_;
  // Spots a flat window, whose value is exact.
  EqualRun run_;
  std::size_t chunks_;
};

}  // namespace tolvex
