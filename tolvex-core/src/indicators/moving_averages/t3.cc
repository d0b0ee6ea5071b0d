#include "indicators/moving_averages/t3.h"

#include <cmath>

#include "indicators/common/stage_chain.h"
#include "window.h"

namespace tolvex {

T3::T3(std::size_t n, double v)
    : stages_{EmaStage(n), EmaStage(n), EmaStage(n), EmaStage(n), EmaStage(n), EmaStage(n)} {
  double w = v * v;
  double u = v * w;
  c1_ = -u;
  c2_ = w * 3 + u * 3;
  c3_ = w * (-6) - v * 3 - u * 3;
  c4_ = w * 3 + (v * 3 + 1 + u);
}

Result<T3, IndicatorError> T3::create(std::size_t n, double v) {
  if (auto st = check_period(n); !st) return err(st.error());
  if (!std::isfinite(v) || v < 0 || v > 1)
    return err(
        IndicatorError::invalid_period("T3 volume factor must be a finite value in [0.0, 1.0]"));
  return T3(n, v);
}

std::optional<double> T3::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  std::array<double, 6> e{};
  std::optional<double> cur = x;
  for (std::size_t i = 0; i < stages_.size(); ++i) {
    cur = feed(stages_[i], cur);
    if (!cur) return std::nullopt;
    e[i] = *cur;
  }
  return ((e[5] * c1_ + e[4] * c2_) + e[3] * c3_) + e[2] * c4_;
}

}  // namespace tolvex
