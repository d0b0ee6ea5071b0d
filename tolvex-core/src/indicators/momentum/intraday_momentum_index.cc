#include "indicators/momentum/intraday_momentum_index.h"

#include "window.h"

namespace tolvex {

Result<IntradayMomentumIndex, IndicatorError> IntradayMomentumIndex::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return IntradayMomentumIndex(n);
}

std::optional<double> IntradayMomentumIndex::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  bodies_.push(bar->close - bar->open);
  if (!bodies_.is_full()) return std::nullopt;
  double total = bodies_.up() + bodies_.down();
  if (total == 0.0) return 50.0;
  return bodies_.up() * 100.0 / total;
}

}  // namespace tolvex
