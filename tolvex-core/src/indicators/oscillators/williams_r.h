#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Williams %R: the close below the highest high of the last n bars, as a
// percentage of their range, from -100 to 0 (-50 for a flat window).
class WilliamsR final : public IndicatorEvaluator {
 public:
  static Result<WilliamsR, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return bars_.capacity(); }

 private:
  explicit WilliamsR(std::size_t n) : bars_(n) {}
  struct Range {
    double high = 0;
    double low = 0;
  };
  FifoWindow<Range> bars_;
};

}  // namespace tolvex
