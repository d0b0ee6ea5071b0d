#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/momentum/plain_wilder_average.h"
#include "result.h"

namespace tolvex {

// RSI of the bar's volume: whether participation is expanding or fading.
class VolumeRsi final : public IndicatorEvaluator {
 public:
  static Result<VolumeRsi, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 1; }

 private:
  explicit VolumeRsi(std::size_t n) : n_(n), up_(n), down_(n) {}
  std::size_t n_;
  PlainWilderAverage up_;
  PlainWilderAverage down_;
  std::optional<double> prev_;
};

}  // namespace tolvex
