#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/sma.h"
#include "indicators/oscillators/awesome_oscillator.h"
#include "result.h"

namespace tolvex {

// Accelerator oscillator: the awesome oscillator minus its simple mean.
class AcceleratorOscillator final : public IndicatorEvaluator {
 public:
  static Result<AcceleratorOscillator, IndicatorError> create(std::size_t fast, std::size_t slow,
                                                              std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ao_.warmup() + signal_.period() - 1; }

 private:
  AcceleratorOscillator(AwesomeOscillator ao, Sma signal)
      : ao_(std::move(ao)), signal_(std::move(signal)) {}
  AwesomeOscillator ao_;
  Sma signal_;
};

}  // namespace tolvex
