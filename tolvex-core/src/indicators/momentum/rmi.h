#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/momentum/plain_wilder_average.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Relative momentum index: an RSI whose moves are taken over m steps
// instead of one.
class Rmi final : public IndicatorEvaluator {
 public:
  static Result<Rmi, IndicatorError> create(std::size_t n, std::size_t m);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + m_; }

 private:
  Rmi(std::size_t n, std::size_t m) : n_(n), m_(m), lag_(m), up_(n), down_(n) {}
  std::size_t n_;
  std::size_t m_;
  LagWindow lag_;
  PlainWilderAverage up_;
  PlainWilderAverage down_;
};

}  // namespace tolvex
