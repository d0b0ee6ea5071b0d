// Helpers for the band tests: build a type through the family's registry
// rows, feed it bars, and collect every step's value and named outputs.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/families.h"
#include "registry.h"

namespace tolvex::testing {

inline Candle bar(double open, double high, double low, double close, double volume = 1) {
  Candle c;
  c.open = open;
  c.high = high;
  c.low = low;
  c.close = close;
  c.volume = volume;
  return c;
}

// A bar whose open, high and low all equal the close.
inline Candle flat(double close) {
  return bar(close, close, close, close);
}

inline std::vector<Candle> closes(std::initializer_list<double> cs) {
  std::vector<Candle> out;
  for (double c : cs) out.push_back(flat(c));
  return out;
}

inline IndicatorBox build(std::string_view name, std::vector<double> params) {
  auto r = build_from(bands_rows(), name, params);
  EXPECT_TRUE(r.ok()) << name << ": " << (r.ok() ? "" : to_string(r.error()));
  return r.ok() ? std::move(r).value() : nullptr;
}

// The registry's rendered error for a request that must fail.
inline std::string build_error(std::string_view name, std::vector<double> params) {
  auto r = build_from(bands_rows(), name, params);
  if (r.ok()) return "built";
  return to_string(r.error());
}

struct Step {
  std::optional<double> value;
  OutputList fields;
};

inline Step feed(IndicatorEvaluator& e, const Candle& c) {
  IndicatorInput in{std::nullopt, std::nullopt, c, {}, nullptr, nullptr};
  Step s;
  s.value = e.update(in);
  s.fields = e.fields();
  return s;
}

inline std::vector<Step> run(IndicatorEvaluator& e, const std::vector<Candle>& bars) {
  std::vector<Step> out;
  for (const Candle& c : bars) out.push_back(feed(e, c));
  return out;
}

// Index of the first step that returned a value, or -1.
inline int first_value(const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (steps[i].value) return static_cast<int>(i);
  return -1;
}

inline std::vector<std::string_view> names(const OutputList& l) {
  std::vector<std::string_view> out;
  for (const NamedOutput& o : l) out.push_back(o.name);
  return out;
}

inline double field(const Step& s, std::string_view name) {
  auto v = s.fields.find(name);
  EXPECT_TRUE(v.has_value()) << "no field " << name;
  return v.value_or(-12345.0);
}

}  // namespace tolvex::testing
