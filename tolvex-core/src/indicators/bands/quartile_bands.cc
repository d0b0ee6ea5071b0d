#include "indicators/bands/quartile_bands.h"

#include "indicators/statistics/order_statistics.h"

namespace tolvex {

Result<QuartileBands, IndicatorError> QuartileBands::create(std::size_t n) {
  if (auto s = check_period(n); !s) return err(s.error());
  return QuartileBands(n);
}

std::optional<double> QuartileBands::update(const IndicatorInput& in) {
  auto close = finite_close(in);
  if (!close) return std::nullopt;
  window_.push(*close);
  if (!window_.is_full()) return std::nullopt;
  const auto& d = window_.sorted();
  return publish({{"upper", interpolated_quantile(d, 0.75)},
                  {"middle", interpolated_quantile(d, 0.5)},
                  {"lower", interpolated_quantile(d, 0.25)}});
}

}  // namespace tolvex
