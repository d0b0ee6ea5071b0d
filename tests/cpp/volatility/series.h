// The shared indicator-series helpers bound to the volatility rows, with the
// four-price Bar these tests write their series in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/indicator_series.h"

namespace tolvex::testing {

using test_support::kNone;

inline constexpr test_support::Family kVolatility{volatility_rows, ""};

struct Bar {
  double open, high, low, close;
  int64_t time = 0;
};

inline Candle to_candle(const Bar& b) {
  return test_support::ohlcv(b.open, b.high, b.low, b.close, 1.0, b.time);
}

// A bar whose open, high, low and close are all `c`.
inline Bar flat(double c) {
  return Bar{c, c, c, c};
}

inline IndicatorBox make(std::string_view name, std::vector<double> params) {
  return test_support::build(kVolatility, name, params);
}

// The rendered error of a request that must fail, or "" when it succeeds.
inline std::string build_error(std::string_view name, std::vector<double> params) {
  return test_support::build_error(kVolatility, name, params);
}

inline std::optional<double> step(IndicatorEvaluator& e, const Bar& b) {
  return test_support::step(e, to_candle(b));
}

inline std::vector<std::optional<double>> run(IndicatorEvaluator& e, const std::vector<Bar>& bars) {
  return test_support::collect(bars, [&](const Bar& b) { return step(e, b); });
}

inline std::vector<std::optional<double>> run(std::string_view name, std::vector<double> params,
                                              const std::vector<Bar>& bars) {
  IndicatorBox e = make(name, std::move(params));
  return e ? run(*e, bars) : test_support::Values{};
}

inline std::vector<Bar> closes(const std::vector<double>& cs) {
  return test_support::collect(cs, flat);
}

// Compares outputs with expected values (nullopt = no value) to a relative
// tolerance; exact where `tol` is 0.
inline void expect_series(const std::vector<std::optional<double>>& got,
                          const std::vector<std::optional<double>>& want, double tol = 1e-12) {
  test_support::expect_values(got, want, {.tol = tol, .relative = true, .zero_sign = false});
}

}  // namespace tolvex::testing
