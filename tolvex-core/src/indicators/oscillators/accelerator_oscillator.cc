#include "indicators/oscillators/accelerator_oscillator.h"

#include <cmath>

namespace tolvex {

Result<AcceleratorOscillator, IndicatorError> AcceleratorOscillator::create(std::size_t fast,
                                                                            std::size_t slow,
                                                                            std::size_t signal) {
  if (auto st = AwesomeOscillator::check(fast, slow, signal); !st) return err(st.error());
  return AcceleratorOscillator(std::move(AwesomeOscillator::create(fast, slow).value()),
                               std::move(Sma::create(signal).value()));
}

std::optional<double> AcceleratorOscillator::update(const IndicatorInput& in) {
  auto ao = ao_.push_bar(in);
  if (!ao || !std::isfinite(*ao)) return std::nullopt;
  auto mean = signal_.push(*ao);
  if (!mean) return std::nullopt;
  return *ao - *mean;
}

}  // namespace tolvex
