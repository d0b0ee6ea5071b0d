#include "indicators/statistics/trend_label.h"

#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<TrendLabel, IndicatorError> TrendLabel::create(std::size_t n) {
  auto ok = check_min_period(n, 2, "trend label needs period >= 2");
  if (!ok) return err(ok.error());
  return TrendLabel(n);
}

TrendLabel::TrendLabel(std::size_t n) : window_(n) {}

std::optional<double> TrendLabel::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> TrendLabel::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  std::size_t n = window_.size();
  double nf = static_cast<double>(n);
  double sum = -0.0;
  window_.for_each([&](double y) { sum += y; });
  double mean = sum / nf;
  double t = (nf - 1.0) / 2.0;
  double cov = -0.0;
  for (std::size_t i = 0; i < n; ++i) cov += (static_cast<double>(i) - t) * (window_[i] - mean);
  if (cov < 0) return -1.0;
  if (cov > 0) return 1.0;
  return 0.0;
}

}  // namespace tolvex
