#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/rsi_stage.h"
#include "result.h"

namespace tolvex {

// Wilder's relative strength index of the close, 0 to 100.
class Rsi final : public IndicatorEvaluator {
 public:
  static Result<Rsi, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return stage_.period() + 1; }

  // The stage form for embedding types: one finite value in, the index out.
  std::optional<double> push(double x) { return stage_.push(x); }
  std::size_t period() const { return stage_.period(); }

 private:
  explicit Rsi(std::size_t n) : stage_(n) {}
  RsiStage stage_;
};

}  // namespace tolvex
