// Feeds a derived series to an evaluator that reads the close: the value is
// wrapped in a flat bar, so the evaluator's own input rules still apply.
#pragma once

#include <optional>

#include "indicator.h"
#include "records.h"

namespace tolvex {

template <class Evaluator>
std::optional<double> feed_close(Evaluator& ev, double x) {
  const Candle bar{0, x, x, x, x, 0.0};
  const IndicatorInput in{std::nullopt, std::nullopt, bar, {}, nullptr, nullptr};
  return ev.update(in);
}

}  // namespace tolvex
