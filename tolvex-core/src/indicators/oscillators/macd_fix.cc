#include "indicators/oscillators/macd_fix.h"

#include "window.h"

namespace tolvex {

namespace {
constexpr std::size_t kFast = 12;
constexpr std::size_t kSlow = 26;
constexpr double kFastAlpha = 0.15;
constexpr double kSlowAlpha = 0.075;
}  // namespace

MacdFix::MacdFix(std::size_t signal)
    : CloseMacd(
          MacdStage(EmaStage(kFast, kFastAlpha), EmaStage(kSlow, kSlowAlpha), EmaStage(signal))) {}

Result<MacdFix, IndicatorError> MacdFix::create(std::size_t signal) {
  if (auto st = check_period(signal); !st) return err(st.error());
  return MacdFix(signal);
}

}  // namespace tolvex
