// Helpers for the statistics tests: build through the family's registry rows
// and run a series of steps through an evaluator.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "indicators/families.h"
#include "registry.h"

namespace tolvex::stats_test {

using Series = std::vector<std::optional<double>>;

inline IndicatorBox make(std::string_view name, const std::vector<double>& params) {
  auto built = build_from(statistics_rows(), name, params);
  EXPECT_TRUE(built.ok()) << name << ": " << (built.ok() ? "" : to_string(built.error()));
  return built.ok() ? std::move(built).value() : nullptr;
}

// The rendered registry error, or "ok" when the request builds.
inline std::string build_error(std::string_view name, const std::vector<double>& params) {
  auto built = build_from(statistics_rows(), name, params);
  return built.ok() ? "ok" : to_string(built.error());
}

// One step: a bar (flat at the close unless high/low are given), an optional
// reference close and a timestamp.
struct Step {
  double close;
  std::optional<double> reference;
  double high = NAN;
  double low = NAN;
  int64_t time = 0;
};

inline std::optional<double> step(IndicatorEvaluator& e, const Step& s) {
  double hi = std::isnan(s.high) ? s.close : s.high;
  double lo = std::isnan(s.low) ? s.close : s.low;
  Candle c{s.time, s.close, hi, lo, s.close, 1.0};
  IndicatorInput in{s.reference, std::nullopt, c, {}, nullptr, nullptr};
  return e.update(in);
}

inline Series run(IndicatorEvaluator& e, const std::vector<Step>& steps) {
  Series out;
  for (const Step& s : steps) out.push_back(step(e, s));
  return out;
}

inline Series run_closes(IndicatorEvaluator& e, const std::vector<double>& closes,
                         std::optional<double> reference = 0.0) {
  Series out;
  for (double c : closes) out.push_back(step(e, {c, reference}));
  return out;
}

// Relative closeness for values computed by a different (non-incremental)
// method than the code under test.
inline ::testing::AssertionResult near(double got, double want, double rel = 1e-9) {
  if (std::fabs(got - want) <= rel * std::fmax(1.0, std::fabs(want)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << got << " want " << want;
}

}  // namespace tolvex::stats_test
