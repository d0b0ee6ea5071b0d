#include "indicators/bands/bomar_bands.h"

#include <algorithm>
#include <cmath>

#include "indicators/bands/sorted_deviations.h"
#include "indicators/statistics/order_statistics.h"

namespace tolvex {

Result<BomarBands, IndicatorError> BomarBands::create(std::size_t n, double q) {
  if (auto s = check_period(n); !s) return err(s.error());
  if (!(std::isfinite(q) && q > 0 && q <= 1))
    return err(IndicatorError::invalid_parameter(
        "bomar bands coverage must be a finite value in (0.0, 1.0]"));
  return BomarBands(n, q);
}

std::optional<double> BomarBands::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  window_.push(*close);
  if (!window_.is_full()) return std::nullopt;

  // Summed afresh from the window on every step, so no drift accumulates.
  double sum = -0.0;
  window_.arrival().for_each([&](double v) { sum += v; });
  double mean = sum / static_cast<double>(window_.window());
  double scale = std::fabs(mean);
  if (mean != 0) {
    sorted_deviations(window_.sorted(), mean, scale, deviations_);
  } else {
    std::fill(deviations_.begin(), deviations_.end(), 0.0);
  }
  double t = interpolated_quantile(deviations_, q_);
  return publish({{"upper", mean + scale * t}, {"middle", mean}, {"lower", mean - scale * t}});
}

}  // namespace tolvex
