// The shared indicator-series helpers bound to the oscillator rows, under
// the names these tests use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/indicator_series.h"

namespace tolvex::test {

using test_support::first_value;
using test_support::kNone;
using test_support::run_bars;
using test_support::step;
using test_support::Values;

inline constexpr test_support::Family kOscillators{oscillators_rows, "<built>"};

inline IndicatorBox build(std::string_view name, const std::vector<double>& params) {
  return test_support::build(kOscillators, name, params);
}

// The rendered registry error for a request that must fail.
inline std::string build_error(std::string_view name, const std::vector<double>& params) {
  return test_support::build_error(kOscillators, name, params);
}

// A flat bar at `close`: high = low = open = close.
inline Candle bar_of(double close, double volume = 1.0) {
  return test_support::flat_bar(close, volume);
}

inline Candle bar(double high, double low, double close, double volume = 1.0) {
  return test_support::ohlcv(close, high, low, close, volume);
}

inline Values run(std::string_view name, const std::vector<double>& params,
                  const std::vector<double>& closes) {
  return test_support::run_closes(kOscillators, name, params, closes);
}

// Presence must agree; values within `tol`, where 0 means bit-exact (which
// also tells -0.0 from +0.0).
inline void expect_values(const Values& got, const Values& want, double tol = 0) {
  test_support::expect_values(got, want, {.tol = tol});
}

inline std::vector<std::string> field_names(const IndicatorEvaluator& ev) {
  std::vector<std::string_view> names = test_support::output_names(ev.fields());
  return std::vector<std::string>(names.begin(), names.end());
}

}  // namespace tolvex::test
