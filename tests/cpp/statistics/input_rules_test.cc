// Unusable steps give no value and leave the state exactly as it was: the
// values around such a step equal those of the same series without it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "harness.h"

namespace tolvex::stats_test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<Step> base_steps() {
  std::vector<Step> steps;
  for (int i = 0; i < 40; ++i) {
    double c = 100 + 7 * ((i * 13) % 9) - 0.5 * i;
    steps.push_back({c, 40.0 + (i % 5), c + 1 + (i % 3), c - 2, int64_t{3600000} * i});
  }
  return steps;
}

TEST(StatisticsInput, RejectedStepsChangeNothing) {
  struct Case {
    const char* name;
    std::vector<double> params;
    std::vector<Step> bad;  // beyond the non-finite closes every type rejects
  };
  const Step kInverted{100, 40.0, 99, 101};  // high below low
  const std::vector<Case> kCases{
      {"Variance", {6}, {}},
      {"StdDev", {6}, {}},
      {"ZScore", {6}, {}},
      {"CoefficientOfVariation", {6}, {}},
      {"Skewness", {6}, {}},
      {"Kurtosis", {6}, {}},
      {"JarqueBera", {6}, {}},
      {"MedianAbsoluteDeviation", {6}, {}},
      {"RollingQuantile", {6, 0.3}, {}},
      {"RollingIqr", {6}, {}},
      {"RollingPercentileRank", {6}, {}},
      {"RollingMinMaxScaler", {6}, {}},
      {"MidPoint", {6}, {}},
      {"MidPrice", {6}, {kInverted}},
      {"LogReturn", {3}, {{0.0, 40.0}, {-5.0, 40.0}}},
      {"LinRegSlope", {6}, {}},
      {"LinRegAngle", {6}, {}},
      {"LinRegIntercept", {6}, {}},
      {"LinearRegression", {6}, {}},
      {"Tsf", {6}, {}},
      {"TsfOscillator", {6}, {}},
      {"RSquared", {6}, {}},
      {"DetrendedStdDev", {6}, {}},
      {"StandardError", {6}, {}},
      {"KRatio", {6}, {}},
      {"TrendLabel", {6}, {}},
      {"Autocorrelation", {10, 2}, {}},
      {"HurstExponent", {20, 3}, {}},
      {"VarianceRatio", {12, 3}, {{100, std::nullopt}, {100, NAN}, {100, kInf}}},
      {"SampleEntropy", {15, 2, 0.5}, {}},
      {"ShannonEntropy", {12, 4}, {}},
      {"RegimeLabel", {3, 4}, {{0.0, 40.0}, {-5.0, 40.0}}},
      {"SeasonalZScore", {0}, {kInverted}},
  };
  for (const IndicatorRow& row : statistics_rows()) {
    bool listed = false;
    for (const Case& c : kCases) listed = listed || row.name == c.name;
    EXPECT_TRUE(listed) << row.name << " has no input-rule case";
  }
  const std::vector<Step> clean = base_steps();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<Step> bad = c.bad;
    for (double v : {std::nan(""), kInf, -kInf}) bad.push_back({v, 40.0});
    auto ref = make(c.name, c.params);
    Series want = run(*ref, clean);
    // Every rejected step is inserted twice: during warm-up and once values
    // flow. Rejected bars take the timestamp of the bar they precede so that
    // time-keyed types see nothing unusual.
    std::vector<Step> dirty;
    std::vector<bool> rejected;
    for (std::size_t i = 0; i < clean.size(); ++i) {
      if (i == 2 || i == 30) {
        for (Step b : bad) {
          b.time = clean[i].time;
          dirty.push_back(b);
          rejected.push_back(true);
        }
      }
      dirty.push_back(clean[i]);
      rejected.push_back(false);
    }
    auto e = make(c.name, c.params);
    Series got = run(*e, dirty);
    Series kept;
    for (std::size_t i = 0; i < got.size(); ++i) {
      if (rejected[i])
        EXPECT_FALSE(got[i].has_value()) << "step " << i;
      else
        kept.push_back(got[i]);
    }
    EXPECT_EQ(kept, want);
  }
}

}  // namespace
}  // namespace tolvex::stats_test
