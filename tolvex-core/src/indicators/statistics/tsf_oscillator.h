// Percent distance of the close from the one-bar-ahead forecast of the
// least-squares line through the last n closes.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/statistics/regression_fit.h"
#include "result.h"

namespace tolvex {

class TsfOscillator final : public IndicatorEvaluator {
 public:
  static Result<TsfOscillator, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return core_.period(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit TsfOscillator(std::size_t n);

  RegressionFit core_;
  // The last value returned, repeated on a bar that closes at 0.
  std::optional<double> last_;
};

}  // namespace tolvex
