#include "indicators/oscillators/macd_indicator.h"

namespace tolvex {

Result<MacdIndicator, IndicatorError> MacdIndicator::create(std::size_t fast, std::size_t slow,
                                                            std::size_t signal) {
  if (auto st = MacdStage::check(fast, slow, signal); !st) return err(st.error());
  return MacdIndicator(MacdStage(EmaStage(fast), EmaStage(slow), EmaStage(signal)));
}

}  // namespace tolvex
