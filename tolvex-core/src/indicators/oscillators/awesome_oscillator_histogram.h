#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/oscillators/awesome_oscillator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Change of the awesome oscillator over c steps.
class AwesomeOscillatorHistogram final : public IndicatorEvaluator {
 public:
  static Result<AwesomeOscillatorHistogram, IndicatorError> create(std::size_t fast,
                                                                   std::size_t slow,
                                                                   std::size_t lag);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ao_.warmup() + lag_len_; }

 private:
  AwesomeOscillatorHistogram(AwesomeOscillator ao, std::size_t lag)
      : ao_(std::move(ao)), lag_(lag), lag_len_(lag) {}
  AwesomeOscillator ao_;
  LagWindow lag_;
  std::size_t lag_len_;
};

}  // namespace tolvex
