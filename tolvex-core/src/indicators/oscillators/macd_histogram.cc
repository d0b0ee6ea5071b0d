#include "indicators/oscillators/macd_histogram.h"

namespace tolvex {

// Only the common window rules apply here: the histogram is well defined
// whichever of the two averages is the faster.
Result<MacdHistogram, IndicatorError> MacdHistogram::create(std::size_t fast, std::size_t slow,
                                                            std::size_t signal) {
  for (std::size_t n : {fast, slow, signal})
    if (auto st = check_period(n); !st) return err(st.error());
  return MacdHistogram(MacdStage(EmaStage(fast), EmaStage(slow), EmaStage(signal)));
}

std::optional<double> MacdHistogram::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto p = stage_.push(*x);
  if (!p) return std::nullopt;
  return p->histogram;
}

}  // namespace tolvex
