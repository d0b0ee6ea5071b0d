#include "indicators/bands/percent_b.h"

#include "indicators/bands/band_checks.h"
#include "window.h"

namespace tolvex {

Result<PercentB, IndicatorError> PercentB::create(std::size_t n, double k) {
  if (auto s = check_period_multiplier(n, k); !s) return err(s.error());
  return PercentB(n, k);
}

std::optional<double> PercentB::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  auto b = core_.push(*close);
  if (!b) return std::nullopt;
  if (b->upper == b->lower) return 0.5;
  return (*close - b->lower) / (b->upper - b->lower);
}

}  // namespace tolvex
