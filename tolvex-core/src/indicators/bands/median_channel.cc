#include "indicators/bands/median_channel.h"

#include "indicators/bands/band_checks.h"
#include "indicators/bands/sorted_deviations.h"
#include "indicators/statistics/order_statistics.h"

namespace tolvex {

Result<MedianChannel, IndicatorError> MedianChannel::create(std::size_t n, double m) {
  if (auto s = check_period_multiplier(n, m); !s) return err(s.error());
  return MedianChannel(n, m);
}

std::optional<double> MedianChannel::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  window_.push(*close);
  if (!window_.is_full()) return std::nullopt;
  const auto& d = window_.sorted();
  double median = interpolated_quantile(d, 0.5);
  sorted_deviations(d, median, 1.0, deviations_);
  double mad = interpolated_quantile(deviations_, 0.5);
  return publish({{"upper", median + m_ * mad}, {"middle", median}, {"lower", median - m_ * mad}});
}

}  // namespace tolvex
