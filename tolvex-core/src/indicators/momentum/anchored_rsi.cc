#include "indicators/momentum/anchored_rsi.h"

namespace tolvex {

std::optional<double> AnchoredRsi::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  if (!prev_) {
    prev_ = *x;
    return std::nullopt;
  }
  double move = *x - *prev_;
  prev_ = *x;
  if (move > 0) gains_ += move;
  if (move < 0) losses_ += -move;
  if (losses_ != 0.0) return 100.0 - 100.0 / (gains_ / losses_ + 1.0);
  return gains_ == 0.0 ? 50.0 : 100.0;
}

}  // namespace tolvex
