#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/rsi_stage.h"
#include "indicators/moving_averages/smma.h"
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
  Rmi(std::size_t n, std::size_t m, const Smma& average)
      : n_(n), m_(m), lag_(m), up_(average), down_(average) {}
  std::size_t n_;
  std::size_t m_;
  LagWindow lag_;
  Smma up_;
  Smma down_;
};

}  // namespace tolvex
