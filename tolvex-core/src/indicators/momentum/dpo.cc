#include "indicators/momentum/dpo.h"

#include <algorithm>

namespace tolvex {

Result<Dpo, IndicatorError> Dpo::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Dpo(n);
}

Dpo::Dpo(std::size_t n) : n_(n), shift_(n / 2 + 1), closes_(std::max(n, n / 2 + 2)) {}

std::optional<double> Dpo::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  // The close that leaves the last n when x arrives.
  if (closes_.size() >= n_) sum_ -= closes_.back(n_ - 1);
  closes_.push(*x);
  sum_ += *x;
  if (++updates_ >= n_) {
    updates_ = 0;
    double s = -0.0;
    std::size_t held = std::min(n_, closes_.size());
    for (std::size_t age = held; age-- > 0;) s += closes_.back(age);
    sum_ = s;
  }
  if (!closes_.is_full()) return std::nullopt;
  return closes_.back(shift_) - sum_ / static_cast<double>(n_);
}

}  // namespace tolvex
