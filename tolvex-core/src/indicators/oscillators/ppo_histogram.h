#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/oscillators/ppo.h"
#include "result.h"

namespace tolvex {

// The percentage price oscillator minus its exponential signal line.
class PpoHistogram final : public IndicatorEvaluator {
 public:
  static Result<PpoHistogram, IndicatorError> create(std::size_t fast, std::size_t slow,
                                                     std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ppo_.warmup() + signal_.period() - 1; }

 private:
  PpoHistogram(Ppo ppo, std::size_t signal) : ppo_(std::move(ppo)), signal_(signal) {}
  Ppo ppo_;
  EmaStage signal_;
};

}  // namespace tolvex
