#include "indicators/bands/regression_channel.h"

#include <cmath>

namespace tolvex {

std::optional<double> RegressionChannel::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  closes_.push(*close);
  if (!closes_.is_full()) return std::nullopt;
  OlsLine::Fit fit = line_.fit_centred(closes_);
  double middle = line_.newest(fit);
  double sd = std::sqrt(line_.residual_sum(closes_, fit) / divisor_);
  return publish({{"upper", middle + m_ * sd}, {"middle", middle}, {"lower", middle - m_ * sd}});
}

}  // namespace tolvex
