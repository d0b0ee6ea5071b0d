// Position of the close within the range of the last n closes, 0 to 1;
// 0.5 for a flat window.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class RollingMinMaxScaler final : public IndicatorEvaluator {
 public:
  static Result<RollingMinMaxScaler, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit RollingMinMaxScaler(std::size_t n);

  FifoWindow<double> window_;
};

}  // namespace tolvex
