#include "indicators/momentum/cci.h"

#include <cmath>

#include "window.h"

namespace tolvex {

Result<Cci, IndicatorError> Cci::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Cci(n);
}

std::optional<double> Cci::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double tp = (bar->high + bar->low + bar->close) / 3.0;
  prices_.push(tp);
  if (!prices_.is_full()) return std::nullopt;
  double n = static_cast<double>(prices_.capacity());
  double mean = prices_.sum() / n;
  double dev = -0.0;
  prices_.window().for_each([&](double v) { dev += std::fabs(v - mean); });
  double md = dev / n;
  if (md == 0.0) return 0.0;
  return (tp - mean) / (md * kCciScale);
}

}  // namespace tolvex
