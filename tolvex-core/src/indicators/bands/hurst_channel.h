// Hurst channel: the simple average of the close with a half-width of m
// times the range (highest high - lowest low) of the last n bars.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "window.h"

namespace tolvex {

class HurstChannel final : public MultiOutputEvaluator {
 public:
  static Result<HurstChannel, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return close_.capacity(); }

 private:
  HurstChannel(std::size_t n, double m) : highs_(n), lows_(n), close_(n), m_(m) {}

  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
  SumWindow close_;
  double m_;
};

}  // namespace tolvex
