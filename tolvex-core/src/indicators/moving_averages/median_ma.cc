#include "indicators/moving_averages/median_ma.h"

#include "window.h"

namespace tolvex {

MedianMa::MedianMa(std::size_t n) : win_(n) {}

Result<MedianMa, IndicatorError> MedianMa::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return MedianMa(n);
}

std::optional<double> MedianMa::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  win_.push(*x);
  return win_.median();
}

}  // namespace tolvex
