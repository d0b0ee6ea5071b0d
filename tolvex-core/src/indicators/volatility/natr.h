#pragma once

#include <cstddef>
#include <optional>
#include <utility>

#include "errors.h"
#include "indicator.h"
#include "indicators/volatility/atr.h"
#include "result.h"

namespace tolvex {

// The average true range as a percentage of the close: 100 * ATR / close,
// and 0 for a bar closing at 0.
class Natr final : public IndicatorEvaluator {
 public:
  static Result<Natr, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return atr_.warmup(); }

 private:
  explicit Natr(Atr atr) : atr_(std::move(atr)) {}
  Atr atr_;
};

}  // namespace tolvex
