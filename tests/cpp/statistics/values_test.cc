// Values of every close-driven type over one 40-bar series, against an
// independent numpy calculation (expected_values.py). Windows are short, so
// the incremental types run through many evictions and recentrings.
#include <gtest/gtest.h>

#include <vector>

#include "harness.h"

namespace tolvex::stats_test {
namespace {

struct ValueCase {
  const char* name;
  std::vector<double> params;
  std::size_t first;  // 0-based index of the first value
  std::vector<std::pair<std::size_t, double>> values;
};

#include "value_table.inc"

std::vector<Step> table_steps() {
  std::vector<Step> steps;
  for (std::size_t i = 0; i < kCloses.size(); ++i)
    steps.push_back({kCloses[i], kRefs[i], kHighs[i], kLows[i]});
  return steps;
}

TEST(StatisticsValues, MatchIndependentReference) {
  for (const ValueCase& c : kValueCases) {
    SCOPED_TRACE(c.name);
    auto e = make(c.name, c.params);
    ASSERT_TRUE(e);
    Series out = run(*e, table_steps());
    for (std::size_t i = 0; i < out.size(); ++i)
      ASSERT_EQ(out[i].has_value(), i >= c.first) << "index " << i;
    EXPECT_EQ(e->warmup(), c.first + 1);
    for (auto [i, want] : c.values) EXPECT_TRUE(near(*out[i], want)) << "index " << i;
    EXPECT_TRUE(e->fields().empty());
  }
}

// The moments, regression fits and shape statistics do not depend on the
// price level; a level of 1e8 must not eat their precision (the running sums
// are kept about a shift near the window mean).
TEST(StatisticsValues, LevelShiftDoesNotCostPrecision) {
  const std::vector<std::pair<const char*, std::vector<double>>> kTypes{
      {"Variance", {6}},
      {"StdDev", {6}},
      {"ZScore", {6}},
      {"Skewness", {6}},
      {"Kurtosis", {6}},
      {"JarqueBera", {6}},
      {"LinRegSlope", {6}},
      {"RSquared", {6}},
      {"DetrendedStdDev", {6}},
      {"TrendLabel", {6}},
      {"Autocorrelation", {10, 2}}};
  constexpr double kLevel = 1e8;
  std::vector<double> shifted;
  for (double c : kCloses) shifted.push_back(c + kLevel);
  for (const auto& [name, params] : kTypes) {
    SCOPED_TRACE(name);
    auto base = make(name, params);
    auto moved = make(name, params);
    Series a = run_closes(*base, kCloses);
    Series b = run_closes(*moved, shifted);
    for (std::size_t i = 0; i < a.size(); ++i) {
      ASSERT_EQ(a[i].has_value(), b[i].has_value());
      if (a[i]) {
        EXPECT_TRUE(near(*b[i], *a[i], 1e-6)) << "index " << i;
      }
    }
  }
}

// Each q-step change is the plain sum of its q one-step changes. Expected
// value from an independent float64 evaluation in that order (own Python);
// a total slid along the changes ends at 0.4733910891089109 instead.
TEST(StatisticsValues, VarianceRatioSumsEachRunAfresh) {
  auto e = make("VarianceRatio", {6, 2});
  Series s = run_closes(*e, {-1.6, 0.3, -0.8, 0.6, 0.8, -2.6}, 0.0);
  ASSERT_TRUE(s.back());
  EXPECT_EQ(*s.back(), 0.47339108910891087);
}

}  // namespace
}  // namespace tolvex::stats_test
