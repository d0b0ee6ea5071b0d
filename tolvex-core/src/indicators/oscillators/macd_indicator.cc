#include "indicators/oscillators/macd_indicator.h"

namespace tolvex {

Result<MacdIndicator, IndicatorError> MacdIndicator::create(std::size_t fast, std::size_t slow,
                                                            std::size_t signal) {
  if (auto st = MacdStage::check(fast, slow, signal); !st) return err(st.error());
  return MacdIndicator(MacdStage(EmaStage(fast), EmaStage(slow), EmaStage(signal)));
}

std::optional<double> MacdIndicator::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto p = stage_.push(*x);
  if (!p) return std::nullopt;
  return publish({{"macd", p->macd}, {"signal", p->signal}, {"histogram", p->histogram}});
}

}  // namespace tolvex
