#include "indicators/volatility/garch11.h"

#include <cmath>

namespace tolvex {

Result<Garch11, IndicatorError> Garch11::create(double omega, double alpha, double beta) {
  if (!std::isfinite(omega) || !std::isfinite(alpha) || !std::isfinite(beta))
    return err(IndicatorError::invalid_parameter("GARCH(1,1) parameters must be finite"));
  if (omega <= 0.0) return err(IndicatorError::invalid_parameter("GARCH(1,1) omega must be > 0"));
  if (alpha < 0.0 || beta < 0.0)
    return err(IndicatorError::invalid_parameter("GARCH(1,1) alpha and beta must be >= 0"));
  if (alpha + beta >= 1.0)
    return err(IndicatorError::invalid_parameter(
        "GARCH(1,1) requires alpha + beta < 1 (covariance stationarity)"));
  return Garch11(omega, alpha, beta);
}

std::optional<double> Garch11::update(const IndicatorInput& in) {
  auto r = log_return_.feed(in.candle.close);
  if (!r) return std::nullopt;
  double var = started_ ? omega_ + alpha_ * prev_sq_ + beta_ * prev_var_ : long_run_;
  started_ = true;
  prev_sq_ = *r * *r;
  prev_var_ = var;
  return std::sqrt(var);
}

}  // namespace tolvex
