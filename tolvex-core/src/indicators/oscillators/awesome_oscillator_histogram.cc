#include "indicators/oscillators/awesome_oscillator_histogram.h"

#include <cmath>

namespace tolvex {

Result<AwesomeOscillatorHistogram, IndicatorError> AwesomeOscillatorHistogram::create(
    std::size_t fast, std::size_t slow, std::size_t lag) {
  if (auto st = AwesomeOscillator::check(fast, slow, lag); !st) return err(st.error());
  return AwesomeOscillatorHistogram(std::move(AwesomeOscillator::create(fast, slow).value()), lag);
}

std::optional<double> AwesomeOscillatorHistogram::update(const IndicatorInput& in) {
  auto ao = ao_.push_bar(in);
  if (!ao || !std::isfinite(*ao)) return std::nullopt;
  lag_.push(*ao);
  if (!lag_.is_full()) return std::nullopt;
  return *ao - lag_.lagged();
}

}  // namespace tolvex
