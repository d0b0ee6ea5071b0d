#include "indicators/statistics/tsf_oscillator.h"

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<TsfOscillator, IndicatorError> TsfOscillator::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "TSF oscillator needs period >= 2");
  if (!ok) return err(ok.error());
  return TsfOscillator(n);
}

TsfOscillator::TsfOscillator(std::size_t n) : core_(n) {}

std::optional<double> TsfOscillator::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> TsfOscillator::push(double x) {
  core_.push(x);
  if (!core_.is_full()) return std::nullopt;
  // The forecast still absorbs a zero close; only the percentage is
  // undefined, so the previous output stands in for it.
  if (x == 0) return last_;
  double f = static_cast<double>(core_.period()) * core_.slope() + core_.intercept();
  last_ = (x - f) * 100.0 / x;
  return last_;
}

}  // namespace tolvex
