// What the indicator family tests share: build a type through one family's
// registry rows, step it through bars or closes, collect what each step gave
// and compare it with the expected values. Each family folder keeps a small
// header that binds these to its rows under the names its tests use.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "indicators/families.h"
#include "registry.h"

namespace tolvex::test_support {

using Values = std::vector<std::optional<double>>;
inline constexpr std::nullopt_t kNone = std::nullopt;

// One family's row table, and what build_error answers for a request that
// builds after all (each family's tables were written against their own word).
struct Family {
  std::span<const IndicatorRow> (*rows)();
  std::string_view built;
};

// Builds `name` or records a failure naming the registry's reason; null then.
inline IndicatorBox build(const Family& f, std::string_view name, std::span<const double> params) {
  auto r = build_from(f.rows(), name, params);
  EXPECT_TRUE(r.ok()) << name << ": " << (r.ok() ? "" : to_string(r.error()));
  return r.ok() ? std::move(r).value() : nullptr;
}

// The rendered registry error for a request that must fail.
inline std::string build_error(const Family& f, std::string_view name,
                               std::span<const double> params) {
  auto r = build_from(f.rows(), name, params);
  return r.ok() ? std::string(f.built) : to_string(r.error());
}

inline Candle ohlcv(double open, double high, double low, double close, double volume = 1.0,
                    int64_t time = 0) {
  return Candle{time, open, high, low, close, volume};
}

// A bar whose open, high and low all equal the close.
inline Candle flat_bar(double close, double volume = 1.0) {
  return ohlcv(close, close, close, close, volume);
}

inline std::optional<double> step(IndicatorEvaluator& ev, const Candle& c,
                                  std::optional<double> reference = std::nullopt) {
  IndicatorInput in{reference, std::nullopt, c, {}, nullptr, nullptr};
  return ev.update(in);
}

// Applies `each` to every item in order and collects the results; the
// callers' runs are this with a step of their own input type.
template <class Item, class Each>
auto collect(const std::vector<Item>& items, Each each) {
  std::vector<std::invoke_result_t<Each&, const Item&>> out;
  out.reserve(items.size());
  for (const Item& x : items) out.push_back(each(x));
  return out;
}

inline Values run_bars(IndicatorEvaluator& ev, const std::vector<Candle>& bars) {
  return collect(bars, [&](const Candle& c) { return step(ev, c); });
}

inline Values run_closes(IndicatorEvaluator& ev, const std::vector<double>& closes) {
  return collect(closes, [&](double x) { return step(ev, flat_bar(x)); });
}

// Builds and runs in one go; empty when the build failed (already reported).
inline Values run_bars(const Family& f, std::string_view name, std::span<const double> params,
                       const std::vector<Candle>& bars) {
  IndicatorBox ev = build(f, name, params);
  return ev ? run_bars(*ev, bars) : Values{};
}

inline Values run_closes(const Family& f, std::string_view name, std::span<const double> params,
                         const std::vector<double>& closes) {
  IndicatorBox ev = build(f, name, params);
  return ev ? run_closes(*ev, closes) : Values{};
}

// How two series are compared: `tol` 0 is exact (and with `zero_sign` tells
// -0.0 from +0.0); otherwise within `tol`, scaled by max(1, |want|) when
// `relative` so that large values are not held to an absolute bound.
struct Match {
  double tol = 0;
  bool relative = false;
  bool zero_sign = true;
};

inline double bound(double want, double tol, bool relative) {
  return relative ? tol * std::max(1.0, std::fabs(want)) : tol;
}

// Compares step by step: presence must agree, values as `m` says.
inline void expect_values(const Values& got, const Values& want, Match m) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "step " << i;
    if (!want[i]) continue;
    if (m.tol == 0) {
      EXPECT_EQ(*got[i], *want[i]) << "step " << i;
      if (m.zero_sign) {
        EXPECT_EQ(std::signbit(*got[i]), std::signbit(*want[i])) << "step " << i;
      }
    } else {
      EXPECT_NEAR(*got[i], *want[i], bound(*want[i], m.tol, m.relative)) << "step " << i;
    }
  }
}

// Relative closeness of one value, for values computed by a different
// (non-incremental) method than the code under test.
inline ::testing::AssertionResult near(double got, double want, double rel) {
  if (std::fabs(got - want) <= bound(want, rel, true)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << got << " want " << want;
}

// Index (0-based) of the first element for which `present` holds, or -1.
template <class T, class Present>
long first_where(const std::vector<T>& v, Present present) {
  auto it = std::find_if(v.begin(), v.end(), present);
  return it == v.end() ? -1 : static_cast<long>(it - v.begin());
}

inline long first_value(const Values& v) {
  return first_where(v, [](const std::optional<double>& x) { return x.has_value(); });
}

inline std::vector<std::string_view> output_names(const OutputList& l) {
  std::vector<std::string_view> out;
  for (const NamedOutput& o : l) out.push_back(o.name);
  return out;
}

}  // namespace tolvex::test_support
