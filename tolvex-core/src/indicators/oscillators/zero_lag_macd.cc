#include "indicators/oscillators/zero_lag_macd.h"

#include <cmath>

#include "indicators/oscillators/close_feed.h"
#include "window.h"

namespace tolvex {

Result<ZeroLagMacd, IndicatorError> ZeroLagMacd::create(std::size_t fast, std::size_t slow,
                                                        std::size_t signal) {
  if (fast == 0 || slow == 0 || signal == 0) return err(IndicatorError::period_zero());
  if (fast >= slow)
    return err(
        IndicatorError::invalid_period("ZeroLagMACD fast period must be strictly less than slow"));
  for (std::size_t n : {fast, slow, signal})
    if (auto st = check_period(n); !st) return err(st.error());
  // Each zero-lag line starts L = (n - 1) / 2 steps after its plain EMA.
  std::size_t warmup = (slow + (slow - 1) / 2) + (signal + (signal - 1) / 2) - 1;
  return ZeroLagMacd(std::move(Zlema::create(fast).value()), std::move(Zlema::create(slow).value()),
                     std::move(Zlema::create(signal).value()), warmup);
}

std::optional<double> ZeroLagMacd::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto f = feed_close(fast_, *x);
  auto s = feed_close(slow_, *x);
  if (!f || !s) return std::nullopt;
  double macd = *f - *s;
  if (!std::isfinite(macd)) return std::nullopt;
  auto sig = feed_close(signal_, macd);
  if (!sig) return std::nullopt;
  return publish_lines({macd, *sig, macd - *sig});
}

}  // namespace tolvex
