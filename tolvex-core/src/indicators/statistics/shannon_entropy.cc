#include "indicators/statistics/shannon_entropy.h"

#include <cmath>

#include "indicators/common/storage_check.h"
#include "indicators/statistics/window_range.h"

namespace tolvex {

Result<ShannonEntropy, IndicatorError> ShannonEntropy::create(std::size_t n, std::size_t bins) {
  if (n == 0 || bins == 0) return err(IndicatorError::period_zero());
  if (bins == 1) return err(IndicatorError::invalid_period("Shannon entropy needs bins >= 2"));
  auto ok = check_period(bins);
  if (!ok) return err(ok.error());
  auto room = check_storage(n, sizeof(double));
  if (!room) return err(room.error());
  return ShannonEntropy(n, bins);
}

ShannonEntropy::ShannonEntropy(std::size_t n, std::size_t bins) : window_(n), counts_(bins, 0) {}

std::optional<double> ShannonEntropy::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  return push(*x);
}

std::optional<double> ShannonEntropy::push(double x) {
  window_.push(x);
  if (!window_.is_full()) return std::nullopt;
  WindowRange r = window_range(window_);
  double lo = r.lo;
  double hi = r.hi;
  if (!(lo < hi)) return 0.0;
  std::size_t bins = counts_.size();
  double last = static_cast<double>(bins - 1);
  double width = (hi - lo) / static_cast<double>(bins);
  auto bin_of = [&](double v) {
    // Compared as a double first: the top value lands exactly on `bins`,
    // and a ratio that is not a number must not reach the integer cast.
    double b = std::trunc((v - lo) / width);
    return b < last ? static_cast<std::size_t>(b > 0 ? b : 0) : bins - 1;
  };
  window_.for_each([&](double v) { ++counts_[bin_of(v)]; });
  double nf = static_cast<double>(window_.size());
  double h = -0.0;
  // Every bin is visited for the sum anyway, so it is cleared there for
  // the next update.
  for (std::size_t& c : counts_) {
    if (c == 0) continue;
    double p = static_cast<double>(c) / nf;
    h -= p * std::log2(p);
    c = 0;
  }
  return h;
}

}  // namespace tolvex
