#include "indicators/oscillators/stc.h"

#include <cmath>
#include <cstdint>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<Stc, IndicatorError> Stc::create(std::size_t fast, std::size_t slow, std::size_t cycle,
                                        double factor) {
  if (fast == 0 || slow == 0 || cycle == 0) return err(IndicatorError::period_zero());
  if (fast >= slow)
    return err(IndicatorError::invalid_period("STC fast period must be strictly less than slow"));
  if (!(std::isfinite(factor) && factor > 0 && factor <= 1))
    return err(IndicatorError::invalid_period("STC factor must be a finite value in (0, 1]"));
  if (auto st = check_period(fast); !st) return err(st.error());
  if (auto st = check_period(slow); !st) return err(st.error());
  // The cycle has no upper bound of its own, but an absurd length must
  // still fail as an error rather than abort the process: it sizes two
  // rounds of two extreme queues of (step, value) entries.
  if (auto st = check_storage(cycle, 4 * (sizeof(std::uint64_t) + sizeof(double))); !st)
    return err(st.error());
  return Stc(fast, slow, cycle, factor);
}

std::optional<double> Stc::Round::push(double x) {
  double hi = max_.push(x);
  double lo = min_.push(x);
  if (!max_.is_full()) return std::nullopt;
  double s = lo < hi ? (x - lo) * 100.0 / (hi - lo) : 0.0;
  if (!std::isfinite(s)) return std::nullopt;
  smoothed_ = smoothed_ ? *smoothed_ + f_ * (s - *smoothed_) : s;
  return smoothed_;
}

std::optional<double> Stc::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto f = fast_.push(*x);
  auto s = slow_.push(*x);
  if (!f || !s) return std::nullopt;
  double macd = *f - *s;
  if (!std::isfinite(macd)) return std::nullopt;
  auto pf = first_.push(macd);
  if (!pf) return std::nullopt;
  return second_.push(*pf);
}

}  // namespace tolvex
