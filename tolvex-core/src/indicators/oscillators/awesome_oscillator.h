#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/sma.h"
#include "result.h"

namespace tolvex {

// Awesome oscillator: fast mean minus slow mean of the bar midpoint. Also
// the stage of the awesome histogram and the accelerator oscillator.
class AwesomeOscillator final : public IndicatorEvaluator {
 public:
  static Result<AwesomeOscillator, IndicatorError> create(std::size_t fast, std::size_t slow);
  // The rules shared by the family: every period non-zero, fast below slow,
  // then the window limit. `extra` is the third period of the derived types.
  static Status<IndicatorError> check(std::size_t fast, std::size_t slow, std::size_t extra = 1);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return slow_.period(); }

  // One bar midpoint in, the oscillator once both means exist.
  std::optional<double> push(double mid) {
    auto f = fast_.push(mid);
    auto s = slow_.push(mid);
    if (!f || !s) return std::nullopt;
    return *f - *s;
  }
  // The oscillator of a bar, or nothing when the bar is invalid.
  std::optional<double> push_bar(const IndicatorInput& in) {
    if (!in.candle.is_valid()) return std::nullopt;
    return push(midpoint(in.candle.high, in.candle.low));
  }

 private:
  AwesomeOscillator(Sma fast, Sma slow) : fast_(std::move(fast)), slow_(std::move(slow)) {}
  Sma fast_, slow_;
};

}  // namespace tolvex
