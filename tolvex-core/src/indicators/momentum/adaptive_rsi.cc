#include "indicators/momentum/adaptive_rsi.h"

#include <algorithm>
#include <cmath>

#include "indicators/common/rsi_stage.h"

namespace tolvex {

Result<AdaptiveRsi, IndicatorError> AdaptiveRsi::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return AdaptiveRsi(n);
}

std::optional<double> AdaptiveRsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  bool had_prev = !closes_.window().empty();
  double prev = had_prev ? closes_.newest() : 0.0;
  closes_.push(*x);
  if (!had_prev) return std::nullopt;
  double up = std::max(*x - prev, 0.0);
  double down = std::max(prev - *x, 0.0);
  distance_.push(std::fabs(*x - prev));
  if (moves_ < n_) {
    up_ += up;
    down_ += down;
    if (++moves_ < n_) return std::nullopt;
    up_ /= static_cast<double>(n_);
    down_ /= static_cast<double>(n_);
    return up_share_percent(up_, down_);
  }
  // A window that did not move at all has no efficiency to speak of; 0/0
  // would otherwise poison both averages for good.
  double travelled = distance_.sum();
  double er = travelled > 0.0 ? std::min(std::fabs(*x - closes_.lagged()) / travelled, 1.0) : 0.0;
  double sc = er * 0.6021505376344085 + 0.06451612903225806;
  up_ += (up - up_) * sc;
  down_ += (down - down_) * sc;
  return up_share_percent(up_, down_);
}

}  // namespace tolvex
