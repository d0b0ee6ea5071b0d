// Jarque-Bera normality statistic of the last n closes, from the window's
// central moments recomputed on every bar.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/equal_run.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class JarqueBera final : public IndicatorEvaluator {
 public:
  static Result<JarqueBera, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit JarqueBera(std::size_t n);

  FifoWindow<double> window_;
  // Spots a flat window, whose value is exact.
  EqualRun run_;
};

}  // namespace tolvex
