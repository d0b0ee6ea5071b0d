#include "indicators/moving_averages/frama.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tolvex {

namespace {

struct Range {
  double high = -std::numeric_limits<double>::infinity();
  double low = std::numeric_limits<double>::infinity();
  // Window values are finite, so plain comparisons do what maxNum would.
  void add(double v) {
    high = v > high ? v : high;
    low = v < low ? v : low;
  }
  double span() const { return high - low; }
};

}  // namespace

Frama::Frama(std::size_t n) : win_(n) {}

Result<Frama, IndicatorError> Frama::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  if (n == 1) return err(IndicatorError::invalid_period("FRAMA period must be at least 2"));
  if (n % 2 != 0) return err(IndicatorError::invalid_period("FRAMA period must be even"));
  return Frama(n);
}

std::optional<double> Frama::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  win_.push(*x);
  if (!win_.is_full()) return std::nullopt;
  std::size_t n = win_.capacity(), h = n / 2;
  Range all, older, newer;
  for (std::size_t i = 0; i < n; ++i) {
    double v = win_[i];
    all.add(v);
    (i < h ? older : newer).add(v);
  }
  double n3 = all.span() / static_cast<double>(n);
  double n1 = older.span() / static_cast<double>(h);
  double n2 = newer.span() / static_cast<double>(h);
  double alpha = 0.01;
  if (n3 > 0 && n2 > 0 && n1 > 0) {
    double dimension = (std::log(n2 + n1) - std::log(n3)) / 0.6931471805599453;
    alpha = std::clamp(std::exp((dimension - 1) * (-4.6)), 0.01, 1.0);
  }
  double base = value_ ? *value_ : *x;
  value_ = *x * alpha + (1 - alpha) * base;
  return value_;
}

}  // namespace tolvex
