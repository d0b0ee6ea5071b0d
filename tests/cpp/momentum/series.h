// Helpers for the momentum tests: build a type through the family's registry
// rows, step it through closes or bars, and compare what each step returned.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/families.h"
#include "registry.h"

namespace tolvex::momentum_test {

using Values = std::vector<std::optional<double>>;
inline constexpr std::nullopt_t kNone = std::nullopt;

struct Bar {
  double open, high, low, close;
  double volume = 1.0;
};

inline IndicatorBox build(std::string_view name, const std::vector<double>& params) {
  auto r = build_from(momentum_rows(), name, params);
  EXPECT_TRUE(r.ok()) << name << ": " << (r.ok() ? "" : to_string(r.error()));
  return r.ok() ? std::move(r).value() : nullptr;
}

// The rendered registry error of a request that must fail, "<built>" otherwise.
inline std::string build_error(std::string_view name, const std::vector<double>& params) {
  auto r = build_from(momentum_rows(), name, params);
  return r.ok() ? "<built>" : to_string(r.error());
}

inline std::optional<double> step(IndicatorEvaluator& ev, const Bar& b) {
  Candle c{0, b.open, b.high, b.low, b.close, b.volume};
  IndicatorInput in{std::nullopt, std::nullopt, c, {}, nullptr, nullptr};
  return ev.update(in);
}

inline Bar flat(double x) {
  return Bar{x, x, x, x};
}

inline Values run_bars(IndicatorEvaluator& ev, const std::vector<Bar>& bars) {
  Values out;
  for (const Bar& b : bars) out.push_back(step(ev, b));
  return out;
}

inline Values run(IndicatorEvaluator& ev, const std::vector<double>& closes) {
  Values out;
  for (double x : closes) out.push_back(step(ev, flat(x)));
  return out;
}

inline Values run(std::string_view name, const std::vector<double>& params,
                  const std::vector<double>& closes) {
  IndicatorBox ev = build(name, params);
  return ev ? run(*ev, closes) : Values{};
}

inline Values run_bars(std::string_view name, const std::vector<double>& params,
                       const std::vector<Bar>& bars) {
  IndicatorBox ev = build(name, params);
  return ev ? run_bars(*ev, bars) : Values{};
}

// Step by step: presence must agree; values within `tol` (0 means bit-exact).
inline void expect_values(const Values& got, const Values& want, double tol = 0) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "step " << i;
    if (!got[i]) continue;
    if (tol == 0)
      EXPECT_EQ(*got[i], *want[i]) << "step " << i;
    else
      EXPECT_NEAR(*got[i], *want[i], tol) << "step " << i;
  }
}

// Index (0-based) of the first step that returned a value, or -1.
inline long first_value(const Values& v) {
  for (std::size_t i = 0; i < v.size(); ++i)
    if (v[i]) return static_cast<long>(i);
  return -1;
}

}  // namespace tolvex::momentum_test
