#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/true_range.h"
#include "indicators/common/wilder_average.h"
#include "result.h"

namespace tolvex {

// Wilder's average true range of period n; first value on bar n. Band and
// stop types embed it and feed it validated bars through `push`.
class Atr final : public IndicatorEvaluator {
 public:
  static Result<Atr, IndicatorError> create(std::size_t n);

  // Takes one validated bar; returns the average once n bars are in.
  std::optional<double> push(const Candle& bar) { return avg_.push(tr_.push(bar)); }
  std::optional<double> value() const { return avg_.value(); }

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return avg_.period(); }

 private:
  explicit Atr(std::size_t n) : avg_(n) {}
  TrueRangeStage tr_;
  WilderAverage avg_;
};

}  // namespace tolvex
