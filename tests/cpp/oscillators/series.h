// Helpers that build oscillators through the family's registry rows, run
// series of closes or bars through them and collect what each step gave.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/families.h"
#include "registry.h"

namespace tolvex::test {

using Values = std::vector<std::optional<double>>;
inline constexpr std::nullopt_t kNone = std::nullopt;

inline IndicatorBox build(std::string_view name, const std::vector<double>& params) {
  auto r = build_from(oscillators_rows(), name, params);
  EXPECT_TRUE(r.ok()) << name << ": " << (r.ok() ? "" : to_string(r.error()));
  return r.ok() ? std::move(r).value() : nullptr;
}

// The rendered registry error for a request that must fail.
inline std::string build_error(std::string_view name, const std::vector<double>& params) {
  auto r = build_from(oscillators_rows(), name, params);
  return r.ok() ? "<built>" : to_string(r.error());
}

// A flat bar at `close`: high = low = open = close.
inline Candle bar_of(double close, double volume = 1.0) {
  return Candle{0, close, close, close, close, volume};
}

inline Candle bar(double high, double low, double close, double volume = 1.0) {
  return Candle{0, close, high, low, close, volume};
}

inline std::optional<double> step(IndicatorEvaluator& ev, const Candle& c) {
  IndicatorInput in{std::nullopt, std::nullopt, c, {}, nullptr, nullptr};
  return ev.update(in);
}

inline Values run_bars(IndicatorEvaluator& ev, const std::vector<Candle>& bars) {
  Values out;
  for (const Candle& c : bars) out.push_back(step(ev, c));
  return out;
}

inline Values run(std::string_view name, const std::vector<double>& params,
                  const std::vector<double>& closes) {
  IndicatorBox ev = build(name, params);
  if (!ev) return {};
  Values out;
  for (double x : closes) out.push_back(step(*ev, bar_of(x)));
  return out;
}

// Compares step by step: presence must agree, values within `tol` (0 means
// bit-exact, which also tells -0.0 from +0.0).
inline void expect_values(const Values& got, const Values& want, double tol = 0) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "step " << i;
    if (!got[i]) continue;
    if (tol == 0) {
      EXPECT_EQ(*got[i], *want[i]) << "step " << i;
      EXPECT_EQ(std::signbit(*got[i]), std::signbit(*want[i])) << "step " << i;
    } else {
      EXPECT_NEAR(*got[i], *want[i], tol) << "step " << i;
    }
  }
}

// Index (0-based) of the first step that returned a value, or -1.
inline long first_value(const Values& v) {
  for (std::size_t i = 0; i < v.size(); ++i)
    if (v[i]) return static_cast<long>(i);
  return -1;
}

inline std::vector<std::string> field_names(const IndicatorEvaluator& ev) {
  std::vector<std::string> out;
  for (const NamedOutput& o : ev.fields()) out.emplace_back(o.name);
  return out;
}

}  // namespace tolvex::test
