#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// The MACD line minus its signal average, as a single value.
class MacdHistogram final : public IndicatorEvaluator {
 public:
  static Result<MacdHistogram, IndicatorError> create(std::size_t fast, std::size_t slow,
                                                      std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return stage_.warmup(); }

 private:
  explicit MacdHistogram(MacdStage s) : stage_(s) {}
  MacdStage stage_;
};

}  // namespace tolvex
