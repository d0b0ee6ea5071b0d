#include "indicators/bands/standard_error_bands.h"

#include <cmath>

#include "indicators/bands/band_checks.h"

namespace tolvex {

Result<StandardErrorBands, IndicatorError> StandardErrorBands::create(std::size_t n, double m) {
  if (n <= 2) return err(IndicatorError::invalid_period("standard error bands need period >= 3"));
  if (auto s = check_period(n); !s) return err(s.error());
  if (auto s = check_multiplier(m); !s) return err(s.error());
  return StandardErrorBands(n, m);
}

std::optional<double> StandardErrorBands::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  closes_.push(*close);
  if (!closes_.is_full()) return std::nullopt;
  OlsLine::Fit fit = line_.fit_centred(closes_);
  double middle = line_.newest(fit);
  double dof = static_cast<double>(closes_.size() - 2);
  double sd = std::sqrt(line_.residual_sum(closes_, fit) / dof);
  return publish({{"upper", middle + m_ * sd}, {"middle", middle}, {"lower", middle - m_ * sd}});
}

}  // namespace tolvex
