#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Detrended price oscillator: the close n / 2 + 1 steps back minus the
// current n-close mean, which removes trends longer than the period.
class Dpo final : public IndicatorEvaluator {
 public:
  static Result<Dpo, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return closes_.capacity(); }

 private:
  explicit Dpo(std::size_t n);
  std::size_t n_;
  std::size_t shift_;
  FifoWindow<double> closes_;
  double sum_ = 0.0;
  std::size_t updates_ = 0;
};

}  // namespace tolvex
