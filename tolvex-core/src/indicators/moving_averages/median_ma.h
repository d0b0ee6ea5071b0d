#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/sorted_window.h"
#include "result.h"

namespace tolvex {

// Median of the last n closes.
class MedianMa final : public IndicatorEvaluator {
 public:
  static Result<MedianMa, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return win_.window(); }

 private:
  explicit MedianMa(std::size_t n);
  SortedWindow win_;
};

}  // namespace tolvex
