#include "indicators/oscillators/kase_permission_stochastic.h"

#include <cmath>

namespace tolvex {

Result<KasePermissionStochastic, IndicatorError> KasePermissionStochastic::create(std::size_t n,
                                                                                  std::size_t s) {
  if (auto st = check_period(n); !st) return err(st.error());
  if (auto st = check_period(s); !st) return err(st.error());
  return KasePermissionStochastic(n, s);
}

std::optional<double> KasePermissionStochastic::update(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  double hh = highs_.push(in.candle.high);
  double ll = lows_.push(in.candle.low);
  if (!highs_.is_full()) return std::nullopt;
  double raw = ll < hh ? (in.candle.close - ll) * 100.0 / (hh - ll) : 50.0;
  if (!std::isfinite(raw)) return std::nullopt;
  auto fast = fast_.push(raw);
  if (!fast) return std::nullopt;
  auto slow = slow_.push(*fast);
  if (!slow) return std::nullopt;
  return publish({{"fast", *fast}, {"slow", *slow}});
}

}  // namespace tolvex
