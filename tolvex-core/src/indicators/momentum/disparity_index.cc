#include "indicators/momentum/disparity_index.h"

namespace tolvex {

Result<DisparityIndex, IndicatorError> DisparityIndex::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return DisparityIndex(n);
}

std::optional<double> DisparityIndex::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  mean_.push(*x);
  auto m = mean_.mean();
  if (!m) return std::nullopt;
  if (*m == 0.0) return 0.0;
  return (*x - *m) * 100.0 / *m;
}

}  // namespace tolvex
