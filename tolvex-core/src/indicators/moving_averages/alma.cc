#include "indicators/moving_averages/alma.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

Alma::Alma(std::size_t n, double offset, double sigma) : win_(n), weights_(n) {
  double nd = static_cast<double>(n);
  double m = offset * (nd - 1);
  double d = (nd / sigma) * ((nd / sigma) * 2);
  double total = -0.0;
  for (std::size_t k = 0; k < n; ++k) {
    double dk = static_cast<double>(k) - m;
    weights_[k] = std::exp(-(dk * dk) / d);
    total += weights_[k];
  }
  if (std::isfinite(total) && total > 0) {
    for (double& w : weights_) w /= total;
    return;
  }
  // A sigma so large that d underflows to 0 leaves 0/0 at the centre and
  // zeros elsewhere; the Gaussian's limit is all weight on the nearest
  // index, which keeps the output a close instead of NaN.
  std::fill(weights_.begin(), weights_.end(), 0.0);
  weights_[static_cast<std::size_t>(std::round(m))] = 1.0;
}

Result<Alma, IndicatorError> Alma::create(std::size_t n, double offset, double sigma) {
  if (auto st = check_period(n); !st) return err(st.error());
  if (!std::isfinite(offset) || offset < 0 || offset > 1)
    return err(IndicatorError::invalid_period("ALMA offset must be a finite value in [0, 1]"));
  if (!std::isfinite(sigma) || !(sigma > 0))
    return err(IndicatorError::invalid_period("ALMA sigma must be a finite positive value"));
  return Alma(n, offset, sigma);
}

std::optional<double> Alma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  win_.push(*x);
  if (!win_.is_full()) return std::nullopt;
  double s = 0.0;
  for (std::size_t k = 0; k < weights_.size(); ++k) s += weights_[k] * win_[k];
  return s;
}

}  // namespace tolvex
