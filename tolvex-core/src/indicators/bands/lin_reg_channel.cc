#include "indicators/bands/lin_reg_channel.h"

#include <cmath>

#include "indicators/bands/band_checks.h"

namespace tolvex {

Result<LinRegChannel, IndicatorError> LinRegChannel::create(std::size_t n, double m) {
  if (n <= 1)
    return err(IndicatorError::invalid_period("linear regression channel needs period >= 2"));
  if (auto s = check_period(n); !s) return err(s.error());
  if (auto s = check_multiplier(m); !s) return err(s.error());
  return LinRegChannel(n, m);
}

std::optional<double> LinRegChannel::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  closes_.push(*close);
  if (!closes_.is_full()) return std::nullopt;
  OlsLine::Fit fit = line_.fit_centred(closes_);
  double middle = line_.newest(fit);
  double sd = std::sqrt(line_.residual_sum(closes_, fit) / static_cast<double>(closes_.size()));
  return publish({{"upper", middle + m_ * sd}, {"middle", middle}, {"lower", middle - m_ * sd}});
}

}  // namespace tolvex
