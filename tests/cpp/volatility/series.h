// Helpers for the volatility tests: build a type through the family's
// registry rows and step it through a series of bars.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/families.h"
#include "registry.h"

namespace tolvex::testing {

struct Bar {
  double open, high, low, close;
  int64_t time = 0;
};

inline Candle to_candle(const Bar& b) {
  return Candle{b.time, b.open, b.high, b.low, b.close, 1.0};
}

// A bar whose open, high, low and close are all `c`.
inline Bar flat(double c) {
  return Bar{c, c, c, c};
}

inline IndicatorBox make(std::string_view name, std::vector<double> params) {
  auto built = build_from(volatility_rows(), name, params);
  EXPECT_TRUE(built.ok()) << name << ": " << (built.ok() ? "" : to_string(built.error()));
  if (!built.ok()) return nullptr;
  return std::move(built).value();
}

// The rendered error of a request that must fail, or "" when it succeeds.
inline std::string build_error(std::string_view name, std::vector<double> params) {
  auto built = build_from(volatility_rows(), name, params);
  return built.ok() ? std::string() : to_string(built.error());
}

inline std::optional<double> step(IndicatorEvaluator& e, const Bar& b) {
  Candle c = to_candle(b);
  IndicatorInput in{.reference = std::nullopt, .deriv = std::nullopt, .candle = c, .trades = {}};
  return e.update(in);
}

inline std::vector<std::optional<double>> run(IndicatorEvaluator& e, const std::vector<Bar>& bars) {
  std::vector<std::optional<double>> out;
  for (const Bar& b : bars) out.push_back(step(e, b));
  return out;
}

inline std::vector<std::optional<double>> run(std::string_view name, std::vector<double> params,
                                              const std::vector<Bar>& bars) {
  IndicatorBox e = make(name, std::move(params));
  if (!e) return {};
  return run(*e, bars);
}

inline std::vector<Bar> closes(const std::vector<double>& cs) {
  std::vector<Bar> bars;
  for (double c : cs) bars.push_back(flat(c));
  return bars;
}

// Compares outputs with expected values (nullopt = no value) to a relative
// tolerance; exact where `tol` is 0.
inline void expect_series(const std::vector<std::optional<double>>& got,
                          const std::vector<std::optional<double>>& want, double tol = 1e-12) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "step " << i;
    if (!want[i]) continue;
    if (tol == 0) {
      EXPECT_EQ(*got[i], *want[i]) << "step " << i;
    } else {
      EXPECT_NEAR(*got[i], *want[i], tol * std::max(1.0, std::fabs(*want[i]))) << "step " << i;
    }
  }
}

inline constexpr std::nullopt_t kNone = std::nullopt;

}  // namespace tolvex::testing
