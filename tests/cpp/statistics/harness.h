// The shared indicator-series helpers bound to the statistics rows, with a
// step that also carries the reference close and a timestamp.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/indicator_series.h"

namespace tolvex::stats_test {

using Series = test_support::Values;

inline constexpr test_support::Family kStatistics{statistics_rows, "ok"};

inline IndicatorBox make(std::string_view name, const std::vector<double>& params) {
  return test_support::build(kStatistics, name, params);
}

// The rendered registry error, or "ok" when the request builds.
inline std::string build_error(std::string_view name, const std::vector<double>& params) {
  return test_support::build_error(kStatistics, name, params);
}

// One step: a bar (flat at the close unless high/low are given), an optional
// reference close and a timestamp.
struct Step {
  double close;
  std::optional<double> reference;
  double high = NAN;
  double low = NAN;
  int64_t time = 0;
};

inline std::optional<double> step(IndicatorEvaluator& e, const Step& s) {
  double hi = std::isnan(s.high) ? s.close : s.high;
  double lo = std::isnan(s.low) ? s.close : s.low;
  return test_support::step(e, test_support::ohlcv(s.close, hi, lo, s.close, 1.0, s.time),
                            s.reference);
}

inline Series run(IndicatorEvaluator& e, const std::vector<Step>& steps) {
  return test_support::collect(steps, [&](const Step& s) { return step(e, s); });
}

inline Series run_closes(IndicatorEvaluator& e, const std::vector<double>& closes,
                         std::optional<double> reference = 0.0) {
  return test_support::collect(closes, [&](double c) { return step(e, {c, reference}); });
}

// Relative closeness for values computed by a different (non-incremental)
// method than the code under test.
inline ::testing::AssertionResult near(double got, double want, double rel = 1e-9) {
  return test_support::near(got, want, rel);
}

}  // namespace tolvex::stats_test
