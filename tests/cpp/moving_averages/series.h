// The shared indicator-series helpers bound to the moving-average rows, under
// the names these tests use.
#pragma once

#include <initializer_list>
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

inline constexpr test_support::Family kMovingAverages{moving_averages_rows, "<built>"};

inline IndicatorBox build(std::string_view name, std::initializer_list<double> params) {
  return test_support::build(kMovingAverages, name, std::vector<double>(params));
}

inline std::string build_error(std::string_view name, std::initializer_list<double> params) {
  return test_support::build_error(kMovingAverages, name, std::vector<double>(params));
}

inline Candle bar_of(double close, double volume = 1.0) {
  return test_support::flat_bar(close, volume);
}

inline Values run(IndicatorEvaluator& ev, const std::vector<double>& closes) {
  return test_support::run_closes(ev, closes);
}

inline Values run(std::string_view name, std::initializer_list<double> params,
                  const std::vector<double>& closes) {
  return test_support::run_closes(kMovingAverages, name, std::vector<double>(params), closes);
}

// Presence must agree; values within `tol`, where 0 means bit-exact (which
// also tells -0.0 from +0.0).
inline void expect_values(const Values& got, const Values& want, double tol = 0) {
  test_support::expect_values(got, want, {.tol = tol});
}

}  // namespace tolvex::test
