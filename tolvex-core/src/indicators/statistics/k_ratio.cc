#include "indicators/statistics/k_ratio.h"

#include <cmath>

#include "indicators/statistics/period_rules.h"

namespace tolvex {

namespace {

double centred_square_sum(std::size_t n) {
  double nf = static_cast<double>(n);
  double xbar = (nf + 1.0) / 2.0;
  double s = -0.0;
  for (std::size_t i = 1; i <= n; ++i) {
    double d = static_cast<double>(i) - xbar;
    s += d * d;
  }
  return s;
}

}  // namespace

Result<KRatio, IndicatorError> KRatio::create(std::size_t n) {
  auto ok = check_min_period(n, 3, "k-ratio needs period >= 3");
  if (!ok) return err(ok.error());
  return KRatio(n);
}

KRatio::KRatio(std::size_t n) : window_(n), sxx_(centred_square_sum(n)) {}

std::optional<double> KRatio::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> KRatio::push(double x) {
  window_.push(x);
  run_.push(x);
  if (!window_.is_full()) return std::nullopt;
  if (run_.covers(window_.capacity())) return 0.0;
  // The running total is rebuilt on each pass over the window instead of
  // being stored, so no scratch list is needed.
  std::size_t n = window_.size();
  double nf = static_cast<double>(n);
  double xbar = (nf + 1.0) / 2.0;
  double c = -0.0;
  double csum = -0.0;
  for (std::size_t i = 0; i < n; ++i) {
    c += window_[i];
    csum += c;
  }
  double cbar = csum / nf;
  double sxy = -0.0;
  c = -0.0;
  for (std::size_t i = 0; i < n; ++i) {
    c += window_[i];
    sxy += (static_cast<double>(i + 1) - xbar) * (c - cbar);
  }
  double slope = sxy / sxx_;
  double intercept = cbar - xbar * slope;
  double rss = -0.0;
  c = -0.0;
  for (std::size_t i = 0; i < n; ++i) {
    c += window_[i];
    double r = c - intercept - slope * static_cast<double>(i + 1);
    rss += r * r;
  }
  if (rss <= 0) return 0.0;
  return slope / std::sqrt(rss / (nf - 2.0) / sxx_);
}

}  // namespace tolvex
