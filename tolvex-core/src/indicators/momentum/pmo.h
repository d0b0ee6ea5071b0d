#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// Price momentum oscillator: the one-step percent change, smoothed twice by
// exponential smoothers with alpha = 2 / length (not 2 / (length + 1)).
class Pmo final : public IndicatorEvaluator {
 public:
  static Result<Pmo, IndicatorError> create(std::size_t a, std::size_t b);

  std::optional<double> update(const IndicatorInput& in) override;
  // A declared nominal figure: the first value comes after a + b closes.
  std::size_t warmup() const override { return 2; }

 private:
  // Seeded with the mean of its first n inputs, then fma(alpha, x, beta * s).
  class Smoother {
   public:
    explicit Smoother(std::size_t n)
        : n_(n), alpha_(2.0 / static_cast<double>(n)), beta_(1.0 - alpha_) {}
    std::optional<double> push(double x);

   private:
    std::size_t n_;
    double alpha_;
    double beta_;
    std::size_t count_ = 0;
    double sum_ = -0.0;
    double value_ = 0.0;
  };

  Pmo(std::size_t a, std::size_t b) : first_(a), second_(b) {}
  Smoother first_;
  Smoother second_;
  std::optional<double> prev_;
};

}  // namespace tolvex
