#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// Moving average convergence/divergence of the close: the MACD line, its
// signal average and their difference.
class MacdIndicator final : public MultiOutputEvaluator {
 public:
  static Result<MacdIndicator, IndicatorError> create(std::size_t fast, std::size_t slow,
                                                      std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return stage_.warmup(); }

 private:
  explicit MacdIndicator(MacdStage s) : stage_(s) {}
  MacdStage stage_;
};

}  // namespace tolvex
