#include "indicators/volatility/rvi_volatility.h"

#include <cmath>

namespace tolvex {

Result<RviVolatility, IndicatorError> RviVolatility::create(std::size_t n) {
  if (n == 0) return err(IndicatorError::period_zero());
  if (n == 1) return err(IndicatorError::invalid_period("RVI period must be >= 2"));
  if (auto ok = check_period(n); !ok) return err(ok.error());
  auto up = Smma::create(n);
  auto down = Smma::create(n);
  if (!up) return err(up.error());
  if (!down) return err(down.error());
  return RviVolatility(n, std::move(up).value(), std::move(down).value());
}

std::optional<double> RviVolatility::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  std::optional<double> prev = prev_close_;
  prev_close_ = *close;
  closes_.push(*close);
  if (!closes_.is_full()) return std::nullopt;
  // A full window of n >= 2 closes always has a previous close.
  double sd = std::sqrt(closes_.population_variance());
  auto up = up_.push(*close > *prev ? sd : 0.0);
  auto down = down_.push(*close < *prev ? sd : 0.0);
  if (!up || !down) return std::nullopt;
  double total = *up + *down;
  if (total == 0.0) return 50.0;
  return 100.0 * *up / total;
}

}  // namespace tolvex
