#include "indicators/oscillators/ppo.h"

#include "window.h"

namespace tolvex {

Status<IndicatorError> Ppo::check(std::size_t fast, std::size_t slow) {
  if (fast == 0 || slow == 0) return err(IndicatorError::period_zero());
  if (fast >= slow)
    return err(IndicatorError::invalid_period("PPO fast period must be < slow period"));
  for (std::size_t n : {fast, slow})
    if (auto st = check_period(n); !st) return st;
  return Unit{};
}

Result<Ppo, IndicatorError> Ppo::create(std::size_t fast, std::size_t slow) {
  if (auto st = check(fast, slow); !st) return err(st.error());
  return Ppo(fast, slow);
}

std::optional<double> Ppo::push(double x) {
  auto f = fast_.push(x);
  auto s = slow_.push(x);
  if (!f || !s) return std::nullopt;
  if (*s == 0) return 0.0;
  return (*f - *s) * 100.0 / *s;
}

std::optional<double> Ppo::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

}  // namespace tolvex
