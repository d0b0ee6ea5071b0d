#include "indicators/momentum/kst.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

Result<Kst, IndicatorError> Kst::create(const Periods& p) {
  for (std::size_t v : p)
    if (v == 0) return err(IndicatorError::period_zero());
  for (std::size_t v : p)
    if (auto st = check_period(v); !st) return err(st.error());
  return Kst(p);
}

Kst::Kst(const Periods& p)
    : rocs_{RateOfChangeStage(p[0]), RateOfChangeStage(p[1]), RateOfChangeStage(p[2]),
            RateOfChangeStage(p[3])},
      means_{SumWindow(p[4]), SumWindow(p[5]), SumWindow(p[6]), SumWindow(p[7])},
      signal_(p[8]),
      warmup_(0) {
  for (std::size_t i = 0; i < 4; ++i) warmup_ = std::max(warmup_, p[i] + p[4 + i]);
  warmup_ += p[8] - 1;
}

std::optional<double> Kst::update(const IndicatorInput& in) {
  auto x = finite_close(in);
  if (!x) return std::nullopt;
  std::array<std::optional<double>, 4> m;
  for (std::size_t i = 0; i < 4; ++i) {
    auto roc = rocs_[i].push(*x);
    if (!roc || !std::isfinite(*roc)) continue;
    means_[i].push(*roc);
    m[i] = means_[i].mean();
  }
  if (!m[0] || !m[1] || !m[2] || !m[3]) return std::nullopt;
  double kst = *m[0] + (*m[1] + *m[1]) + *m[2] * 3.0 + *m[3] * 4.0;
  if (!std::isfinite(kst)) return std::nullopt;
  signal_.push(kst);
  auto signal = signal_.mean();
  if (!signal) return std::nullopt;
  return publish({{"kst", kst}, {"signal", *signal}});
}

}  // namespace tolvex
