// The shared indicator-series helpers bound to the momentum rows, with the
// four-price-and-volume Bar these tests write their series in.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/indicator_series.h"

namespace tolvex::momentum_test {

using test_support::first_value;
using test_support::kNone;
using test_support::Values;

inline constexpr test_support::Family kMomentum{momentum_rows, "<built>"};

struct Bar {
  double open, high, low, close;
  double volume = 1.0;
};

inline IndicatorBox build(std::string_view name, const std::vector<double>& params) {
  return test_support::build(kMomentum, name, params);
}

// The rendered registry error of a request that must fail, "<built>" otherwise.
inline std::string build_error(std::string_view name, const std::vector<double>& params) {
  return test_support::build_error(kMomentum, name, params);
}

inline std::optional<double> step(IndicatorEvaluator& ev, const Bar& b) {
  return test_support::step(ev, test_support::ohlcv(b.open, b.high, b.low, b.close, b.volume));
}

inline Bar flat(double x) {
  return Bar{x, x, x, x};
}

inline Values run_bars(IndicatorEvaluator& ev, const std::vector<Bar>& bars) {
  return test_support::collect(bars, [&](const Bar& b) { return step(ev, b); });
}

inline Values run(IndicatorEvaluator& ev, const std::vector<double>& closes) {
  return test_support::run_closes(ev, closes);
}

inline Values run(std::string_view name, const std::vector<double>& params,
                  const std::vector<double>& closes) {
  return test_support::run_closes(kMomentum, name, params, closes);
}

inline Values run_bars(std::string_view name, const std::vector<double>& params,
                       const std::vector<Bar>& bars) {
  IndicatorBox ev = build(name, params);
  return ev ? run_bars(*ev, bars) : Values{};
}

// Step by step: presence must agree; values within `tol` (0 means bit-exact).
inline void expect_values(const Values& got, const Values& want, double tol = 0) {
  test_support::expect_values(got, want, {.tol = tol, .zero_sign = false});
}

}  // namespace tolvex::momentum_test
