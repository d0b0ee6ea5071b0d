#include "indicators/oscillators/awesome_oscillator.h"

#include "window.h"

namespace tolvex {

Status<IndicatorError> AwesomeOscillator::check(std::size_t fast, std::size_t slow,
                                                std::size_t extra) {
  if (fast == 0 || slow == 0 || extra == 0) return err(IndicatorError::period_zero());
  if (fast >= slow)
    return err(IndicatorError::invalid_period("AO fast period must be strictly less than slow"));
  for (std::size_t n : {fast, slow, extra})
    if (auto st = check_period(n); !st) return st;
  return Unit{};
}

Result<AwesomeOscillator, IndicatorError> AwesomeOscillator::create(std::size_t fast,
                                                                    std::size_t slow) {
  if (auto st = check(fast, slow); !st) return err(st.error());
  return AwesomeOscillator(std::move(Sma::create(fast).value()),
                           std::move(Sma::create(slow).value()));
}

std::optional<double> AwesomeOscillator::update(const IndicatorInput& in) {
  return push_bar(in);
}

}  // namespace tolvex
