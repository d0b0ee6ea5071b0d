#include "indicators/moving_averages/alma.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
  // A sigma so large that every weight underflows (or d itself, leaving 0/0
  // at the centre) would give NaN. The Gaussian's limit is all weight on the
  // index nearest to m, shared equally when m lies halfway between two.
  double nearest = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < n; ++k)
    nearest = std::min(nearest, std::fabs(static_cast<double>(k) - m));
  std::size_t ties = 0;
  for (std::size_t k = 0; k < n; ++k) {
    bool at = std::fabs(static_cast<double>(k) - m) == nearest;
    weights_[k] = at ? 1.0 : 0.0;
    ties += at;
  }
  for (double& w : weights_) w /= static_cast<double>(ties);
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
