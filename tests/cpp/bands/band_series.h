// The shared indicator-series helpers bound to the band rows. A band step
// keeps the named outputs next to the value, since most checks read them.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/indicator_series.h"

namespace tolvex::testing {

inline constexpr test_support::Family kBands{bands_rows, "built"};

inline Candle bar(double open, double high, double low, double close, double volume = 1) {
  return test_support::ohlcv(open, high, low, close, volume);
}

// A bar whose open, high and low all equal the close.
inline Candle flat(double close) {
  return test_support::flat_bar(close);
}

inline std::vector<Candle> closes(std::initializer_list<double> cs) {
  return test_support::collect(std::vector<double>(cs), flat);
}

inline IndicatorBox build(std::string_view name, std::vector<double> params) {
  return test_support::build(kBands, name, params);
}

// The registry's rendered error for a request that must fail.
inline std::string build_error(std::string_view name, std::vector<double> params) {
  return test_support::build_error(kBands, name, params);
}

struct Step {
  std::optional<double> value;
  OutputList fields;
};

inline Step feed(IndicatorEvaluator& e, const Candle& c) {
  Step s;
  s.value = test_support::step(e, c);
  s.fields = e.fields();
  return s;
}

inline std::vector<Step> run(IndicatorEvaluator& e, const std::vector<Candle>& bars) {
  return test_support::collect(bars, [&](const Candle& c) { return feed(e, c); });
}

// Index of the first step that returned a value, or -1.
inline int first_value(const std::vector<Step>& steps) {
  return static_cast<int>(
      test_support::first_where(steps, [](const Step& s) { return s.value.has_value(); }));
}

inline std::vector<std::string_view> names(const OutputList& l) {
  return test_support::output_names(l);
}

inline double field(const Step& s, std::string_view name) {
  auto v = s.fields.find(name);
  EXPECT_TRUE(v.has_value()) << "no field " << name;
  return v.value_or(-12345.0);
}

}  // namespace tolvex::testing
