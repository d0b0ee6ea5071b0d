#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

// A noise-free RSI: the signed move and its magnitude each pass through the
// same chain of exponential smoothers with lag compensation, and the index
// is the ratio of the two smoothed series mapped onto 0 .. 100.
class Rsx final : public IndicatorEvaluator {
 public:
  static Result<Rsx, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 1; }

 private:
  // Six smoothers: f1 .. f5 and the smoother of f5.
  struct Chain {
    std::array<double, 6> s{};
    double push(double input, double a, double b);
  };
  explicit Rsx(std::size_t n);

  std::size_t n_;
  double a_;
  double b_;
  std::optional<double> prev_;
  std::size_t moves_ = 0;
  Chain signed_;
  Chain magnitude_;
};

}  // namespace tolvex
