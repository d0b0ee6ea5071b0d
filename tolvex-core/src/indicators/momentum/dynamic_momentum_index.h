#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/window_moments.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Chande's dynamic momentum index: an RSI-style ratio over the newest L
// changes, where L shrinks when the 5-close volatility rises above its
// 10-step mean and grows when it falls below (L between 5 and 30).
class DynamicMomentumIndex final : public IndicatorEvaluator {
 public:
  static Result<DynamicMomentumIndex, IndicatorError> create(std::size_t period);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 31; }

 private:
  static constexpr std::size_t kVolatilityWindow = 5;
  static constexpr std::size_t kMeanWindow = 10;
  static constexpr std::size_t kMinLength = 5;
  static constexpr std::size_t kMaxLength = 30;

  explicit DynamicMomentumIndex(std::size_t period)
      : period_(static_cast<double>(period)),
        closes_(kVolatilityWindow),
        sd_mean_(kMeanWindow),
        changes_(kMaxLength) {}

  double period_;
  WindowMoments closes_;
  SumWindow sd_mean_;
  FifoWindow<double> changes_;
  std::optional<double> prev_;
};

}  // namespace tolvex
