#include "indicators/oscillators/ppo_histogram.h"

#include <cmath>

#include "window.h"

namespace tolvex {

Result<PpoHistogram, IndicatorError> PpoHistogram::create(std::size_t fast, std::size_t slow,
                                                          std::size_t signal) {
  if (auto st = check_period(signal); !st) return err(st.error());
  if (auto st = Ppo::check(fast, slow); !st) return err(st.error());
  return PpoHistogram(Ppo(fast, slow), signal);
}

std::optional<double> PpoHistogram::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto ppo = ppo_.push(*x);
  if (!ppo || !std::isfinite(*ppo)) return std::nullopt;
  auto sig = signal_.push(*ppo);
  if (!sig) return std::nullopt;
  return *ppo - *sig;
}

}  // namespace tolvex
