#include "indicators/momentum/rvi.h"

namespace tolvex {

Result<Rvi, IndicatorError> Rvi::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Rvi(n);
}

std::optional<double> Rvi::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  recent_.push({bar->close - bar->open, bar->high - bar->low});
  if (!recent_.is_full()) return std::nullopt;
  // Weights 1, 2, 2, 1 from the newest bar back.
  const Pair& a = recent_.back(0);
  const Pair& b = recent_.back(1);
  const Pair& c = recent_.back(2);
  const Pair& d = recent_.back(3);
  double range = a.range + 2.0 * b.range + 2.0 * c.range + d.range;
  if (ranges_.is_full()) ranged_ -= ranges_.window().oldest() != 0.0;
  bodies_.push(a.body + 2.0 * b.body + 2.0 * c.body + d.body);
  ranges_.push(range);
  ranged_ += range != 0.0;
  if (!bodies_.is_full()) return std::nullopt;
  // Flat bars have no vigor to measure; the last reading stands. A window
  // without any range counts as flat whatever residue the running sum kept.
  if (ranged_ == 0 || !(ranges_.sum() > 0.0)) return last_;
  last_ = bodies_.sum() / ranges_.sum();
  return last_;
}

}  // namespace tolvex
