#include "indicators/moving_averages/mc_ginley_dynamic.h"

#include "window.h"

namespace tolvex {

McGinleyDynamic::McGinleyDynamic(std::size_t n) : seed_(n), scale_(static_cast<double>(n) * 0.6) {}

Result<McGinleyDynamic, IndicatorError> McGinleyDynamic::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return McGinleyDynamic(n);
}

std::optional<double> McGinleyDynamic::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  if (!seed_.done()) {
    auto mean = seed_.add(*x);
    if (!mean) return std::nullopt;
    value_ = *mean;
    return value_;
  }
  double p = value_;
  // The ratio needs two positive prices; otherwise the line holds.
  if (*x > 0 && p > 0) {
    double r = *x / p;
    value_ = p + (*x - p) / (((r * r) * (r * r)) * scale_);
  }
  return value_;
}

}  // namespace tolvex
