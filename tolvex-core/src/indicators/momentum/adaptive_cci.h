#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// A CCI whose centre line is an adaptive mean of the typical price that
// speeds up when the window trends efficiently and slows down in noise.
class AdaptiveCci final : public IndicatorEvaluator {
 public:
  static Result<AdaptiveCci, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return prices_.capacity(); }

 private:
  explicit AdaptiveCci(std::size_t n) : prices_(n) {}
  FifoWindow<double> prices_;
  std::optional<double> mean_;
};

}  // namespace tolvex
