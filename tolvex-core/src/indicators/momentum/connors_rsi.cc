#include "indicators/momentum/connors_rsi.h"

#include <algorithm>

namespace tolvex {

Result<ConnorsRsi, IndicatorError> ConnorsRsi::create(std::size_t a, std::size_t b, std::size_t n) {
  for (std::size_t p : {a, b, n})
    if (auto st = check_period(p); !st) return err(st.error());
  return ConnorsRsi(a, b, n);
}

std::size_t ConnorsRsi::warmup() const {
  return std::max({close_rsi_.period() + 1, streak_rsi_.period() + 2, returns_.capacity() + 1});
}

std::optional<double> ConnorsRsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto r1 = close_rsi_.push(*x);
  if (!prev_) {
    prev_ = *x;
    return std::nullopt;
  }
  double p = *prev_;
  if (*x > p)
    streak_ = std::max(streak_, 0.0) + 1.0;
  else if (*x < p)
    streak_ = std::min(streak_, 0.0) - 1.0;
  else
    streak_ = 0.0;
  auto r2 = streak_rsi_.push(streak_);
  if (p != 0.0) returns_.push((*x - p) / p);
  prev_ = *x;
  if (!returns_.is_full()) return std::nullopt;
  double newest = returns_.newest();
  std::size_t below = 0;
  returns_.for_each([&](double r) { below += r < newest; });
  double pct = static_cast<double>(below) * 100.0 / static_cast<double>(returns_.capacity());
  if (!r1 || !r2) return std::nullopt;
  return (*r1 + *r2 + pct) / 3.0;
}

}  // namespace tolvex
