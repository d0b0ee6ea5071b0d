#include "indicators/momentum/pgo.h"

#include "indicators/common/stage_chain.h"

namespace tolvex {

Result<Pgo, IndicatorError> Pgo::create(std::size_t n) {
  if (auto st = check_period(n); !st) return err(st.error());
  return Pgo(n);
}

std::optional<double> Pgo::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  mean_.push(bar->close);
  // A range too wide for a double gives no value on this bar; the mean and
  // the previous close keep the update they already made.
  auto a = feed(range_, tr_.push(*bar));
  auto m = mean_.mean();
  if (!m || !a) return std::nullopt;
  // No range to scale by: the last reading stands.
  if (!(*a > 0.0)) return last_;
  last_ = (bar->close - *m) / *a;
  return last_;
}

}  // namespace tolvex
