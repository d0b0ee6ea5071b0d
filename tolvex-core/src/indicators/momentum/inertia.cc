#include "indicators/momentum/inertia.h"

#include <cmath>

namespace tolvex {

Result<Inertia, IndicatorError> Inertia::create(std::size_t a, std::size_t n) {
  if (a == 0 || n == 0) return err(IndicatorError::period_zero());
  auto rvi = RviVolatility::create(a);
  if (!rvi) return err(rvi.error());
  auto line = LinearRegression::create(n);
  if (!line) return err(line.error());
  return Inertia(std::move(rvi).value(), std::move(line).value());
}

std::optional<double> Inertia::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  // The index reads only the close of the bar it is given.
  IndicatorInput close_only{std::nullopt, std::nullopt, *bar, {}, nullptr, nullptr};
  auto r = rvi_.update(close_only);
  if (!r || !std::isfinite(*r)) return std::nullopt;
  return line_.push(*r);
}

}  // namespace tolvex
