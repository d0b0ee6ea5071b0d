// Sample entropy of the last n closes: -ln(A / B) over the template pairs of
// length m (B) and m + 1 (A) that match within r times the window's standard
// deviation. Quadratic in n per update.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/equal_run.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class SampleEntropy final : public IndicatorEvaluator {
 public:
  static Result<SampleEntropy, IndicatorError> create(std::size_t n, std::size_t m, double r);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit SampleEntropy(std::size_t n, std::size_t m, double r);

  FifoWindow<double> window_;
  // Spots a flat window, whose value is exact.
  EqualRun run_;
  // The window laid out flat for the pair scan.
  std::vector<double> flat_;
  std::size_t m_;
  double r_;
};

}  // namespace tolvex
