// Standard deviation of the last n closes around their least-squares line:
// sqrt(RSS / n), refitted from the window on every bar.
#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

class DetrendedStdDev final : public IndicatorEvaluator {
 public:
  static Result<DetrendedStdDev, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return window_.capacity(); }
  // Feeds one accepted close; the type's value once the window is full.
  std::optional<double> push(double x);

 private:
  explicit DetrendedStdDev(std::size_t n);

  FifoWindow<double> window_;
};

}  // namespace tolvex
