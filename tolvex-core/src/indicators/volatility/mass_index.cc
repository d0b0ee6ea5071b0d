#include "indicators/volatility/mass_index.h"

#include <cmath>

#include "indicators/common/storage_check.h"

namespace tolvex {

Result<MassIndex, IndicatorError> MassIndex::create(std::size_t a, std::size_t s) {
  if (a == 0 || s == 0) return err(IndicatorError::period_zero());
  if (auto ok = check_period(a); !ok) return err(ok.error());
  // The sum length has no fixed bound; refuse only what cannot be stored.
  if (auto ok = check_storage(s, sizeof(double)); !ok) return err(ok.error());
  return MassIndex(a, s);
}

std::optional<double> MassIndex::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double range = bar->high - bar->low;
  if (!std::isfinite(range)) return std::nullopt;
  auto e1 = single_.push(range);
  if (!e1 || !std::isfinite(*e1)) return std::nullopt;
  auto e2 = double_.push(*e1);
  if (!e2 || !std::isfinite(*e2)) return std::nullopt;
  double ratio = *e2 == 0.0 ? 1.0 : *e1 / *e2;
  ratios_.push(ratio);
  if (!ratios_.is_full()) return std::nullopt;
  return ratios_.sum();
}

}  // namespace tolvex
