// Direction of the last n closes: the sign of their covariance with time,
// -1, 0 or +1.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class TrendLabel final : public IndicatorEvaluator {
 public:
  static Result<TrendLabel, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit TrendLabel(std::size_t n);

  FifoWindow<double> window_;
};

}  // namespace tolvex
