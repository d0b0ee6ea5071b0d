// Shannon entropy in bits of the last n closes sorted into B equal-width bins
// spanning the window's range.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class ShannonEntropy final : public IndicatorEvaluator {
 public:
  static Result<ShannonEntropy, IndicatorError> create(std::size_t n, std::size_t bins);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit ShannonEntropy(std::size_t n, std::size_t bins);

  FifoWindow<double> window_;
  // Bin counts; all zero between updates.
  std::vector<std::size_t> counts_;
};

}  // namespace tolvex
