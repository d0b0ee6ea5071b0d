#include "indicators/moving_averages/smma.h"

#include "window.h"

namespace tolvex {

Smma::Smma(std::size_t n)
    : seed_(n), n_(static_cast<double>(n)), n_minus_1_(static_cast<double>(n - 1)) {}

Result<Smma, IndicatorError> Smma::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Smma(n);
}

std::optional<double> Smma::push(double x) {
  if (!seed_.done()) {
    auto mean = seed_.add(x);
    if (!mean) return std::nullopt;
    value_ = *mean;
    return value_;
  }
  value_ = (x + value_ * n_minus_1_) / n_;
  return value_;
}

std::optional<double> Smma::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

}  // namespace tolvex
