#include "indicators/momentum/adaptive_cci.h"

#include <algorithm>
#include <cmath>

#include "indicators/momentum/cci.h"
#include "indicators/statistics/period_rules.h"

namespace tolvex {

Result<AdaptiveCci, IndicatorError> AdaptiveCci::create(std::size_t n) {
  auto ok = check_zero_min_period(n, 2, "adaptive CCI needs period >= 2");
  if (!ok) return err(ok.error());
  return AdaptiveCci(n);
}

std::optional<double> AdaptiveCci::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double tp = ((bar->high + bar->low) + bar->close) / 3.0;
  prices_.push(tp);
  if (!prices_.is_full()) return std::nullopt;
  std::size_t n = prices_.size();
  double nf = static_cast<double>(n);

  double path = 0.0;
  for (std::size_t k = 1; k < n; ++k) path += std::fabs(prices_[k] - prices_[k - 1]);
  double sc = 0.004162330905306971;
  if (path > 0.0) {
    double er = std::min(1.0, std::fabs(tp - prices_.oldest()) / path);
    double f = er * 0.6021505376344085 + 0.06451612903225806;
    sc = f * f;
  }
  if (!mean_) {
    double sum = -0.0;
    prices_.for_each([&](double v) { sum += v; });
    mean_ = sum / nf;
  } else {
    mean_ = *mean_ + sc * (tp - *mean_);
  }
  double m = *mean_;
  double dev = -0.0;
  prices_.for_each([&](double v) { dev += std::fabs(v - m); });
  double md = dev / nf;
  if (!(md > 0.0)) return 0.0;
  return (tp - m) / (md * kCciScale);
}

}  // namespace tolvex
