#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Simple mean of the last n closes.
class Sma final : public IndicatorEvaluator {
 public:
  static Result<Sma, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return win_.capacity(); }

  // The stage form for embedding types: one finite value in, the mean out.
  std::optional<double> push(double x) {
    win_.push(x);
    return win_.mean();
  }
  std::size_t period() const { return win_.capacity(); }

 private:
  explicit Sma(std::size_t n) : win_(n) {}
  SumWindow win_;
};

}  // namespace tolvex
