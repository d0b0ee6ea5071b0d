#include "indicators/momentum/cfo.h"

#include "window.h"

namespace tolvex {

Result<Cfo, IndicatorError> Cfo::create(std::size_t n) {
  if (n == 0) return err(IndicatorError::period_zero());
  auto line = LinearRegression::create(n);
  if (!line) return err(line.error());
  return Cfo(std::move(line).value());
}

std::optional<double> Cfo::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  auto line = line_.push(*x);
  if (!line) return std::nullopt;
  // A zero close has no percentage; the last reading stands.
  if (*x == 0.0) return last_;
  last_ = (*x - *line) * 100.0 / *x;
  return last_;
}

}  // namespace tolvex
