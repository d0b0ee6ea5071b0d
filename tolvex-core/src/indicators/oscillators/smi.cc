#include "indicators/oscillators/smi.h"

#include <cmath>
#include <cstdint>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<Smi, IndicatorError> Smi::create(std::size_t k, std::size_t a, std::size_t b) {
  if (k == 0 || a == 0 || b == 0) return err(IndicatorError::period_zero());
  if (auto st = check_period(a); !st) return err(st.error());
  if (auto st = check_period(b); !st) return err(st.error());
  // The lookback has no upper bound of its own, but an absurd length must
  // still fail as an error rather than abort the process: it sizes two
  // extreme queues of (step, value) entries.
  if (auto st = check_storage(k, 2 * (sizeof(std::uint64_t) + sizeof(double))); !st)
    return err(st.error());
  return Smi(k, a, b);
}

std::optional<double> Smi::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  double hh = highs_.push(in.candle.high);
  double ll = lows_.push(in.candle.low);
  if (!highs_.is_full()) return std::nullopt;
  double rel = in.candle.close - midpoint(hh, ll);
  double range = hh - ll;
  if (!std::isfinite(rel) || !std::isfinite(range)) return std::nullopt;
  auto rel1 = rel_a_.push(rel);
  auto range1 = range_a_.push(range);
  if (!rel1 || !range1) return std::nullopt;
  auto rel2 = rel_b_.push(*rel1);
  auto range2 = range_b_.push(*range1);
  if (!rel2 || !range2) return std::nullopt;
  // A window that has been flat throughout leaves nothing to divide by:
  // the last index stands.
  if (*range2 > 0) last_ = *rel2 * 100.0 / (*range2 * 0.5);
  return last_;
}

}  // namespace tolvex
