// Fixed values on degenerate windows and the special rules of single types.
// Expected values are worked out by hand in the comments.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "harness.h"
#include "indicators/statistics/seasonal_z_score.h"

namespace tolvex::stats_test {
namespace {

std::optional<double> last(const Series& s) {
  return s.empty() ? std::nullopt : s.back();
}

// A flat window hits the zero-denominator branches.
TEST(StatisticsEdges, FlatWindow) {
  struct Case {
    const char* name;
    std::vector<double> params;
    double want;
  };
  const std::vector<Case> kCases{
      {"Variance", {5}, 0},
      {"StdDev", {5}, 0},
      {"ZScore", {5}, 0},
      {"CoefficientOfVariation", {5}, 0},
      {"Skewness", {5}, 0},
      {"Kurtosis", {5}, 0},
      {"JarqueBera", {5}, 0},
      {"MedianAbsoluteDeviation", {5}, 0},
      {"RollingIqr", {5}, 0},
      {"RollingPercentileRank", {5}, 50},
      {"RollingMinMaxScaler", {5}, 0.5},
      {"RSquared", {5}, 1},
      {"DetrendedStdDev", {5}, 0},
      {"StandardError", {5}, 0},
      {"KRatio", {5}, 0},
      {"TrendLabel", {5}, 0},
      {"Autocorrelation", {5, 1}, 0},
      {"HurstExponent", {8, 2}, 0.5},
      {"VarianceRatio", {6, 2}, 1},
      {"SampleEntropy", {6, 2, 0.2}, 0},
      {"ShannonEntropy", {5, 3}, 0},
  };
  const std::vector<double> flat(23, 1234.5);
  for (const Case& c : kCases) {
    auto e = make(c.name, c.params);
    EXPECT_EQ(last(run_closes(*e, flat)), c.want) << c.name;
  }
}

// A flat stretch after some movement: the shifted sums still hold residues
// of the values that left, and the mean of n copies of 1.1 is not 1.1, so
// the arithmetic alone gives a flat window variances of 1e-13 and, divided
// by them, skewness 1e8, R² 0, an autocorrelation of 0.8 or a K-ratio of
// 1e15. Every value whose window lies in the flat stretch must be exact.
TEST(StatisticsEdges, FlatWindowAfterMovement) {
  constexpr double kFlat = 1.1;
  struct Case {
    const char* name;
    std::vector<double> params;
    double want;
  };
  const std::vector<Case> kCases{
      {"Variance", {5}, 0},
      {"StdDev", {5}, 0},
      {"ZScore", {5}, 0},
      {"CoefficientOfVariation", {5}, 0},
      {"Skewness", {5}, 0},
      {"Kurtosis", {5}, 0},
      {"JarqueBera", {6}, 0},
      {"RSquared", {5}, 1},
      {"LinRegSlope", {5}, 0},
      {"LinRegAngle", {5}, 0},
      {"LinRegIntercept", {5}, kFlat},
      {"LinearRegression", {5}, kFlat},
      {"Tsf", {5}, kFlat},
      {"TsfOscillator", {5}, 0},
      {"KRatio", {5}, 0},
      {"Autocorrelation", {6, 1}, 0},
      {"HurstExponent", {12, 3}, 0.5},
      {"SampleEntropy", {6, 2, 0.2}, 0},
      {"RegimeLabel", {5, 3}, 0},
  };
  std::vector<double> closes{101.6, 101.6, 101.3, 100.4, 101.6, 99.6};
  const std::size_t moving = closes.size();
  closes.resize(moving + 24, kFlat);
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    auto e = make(c.name, c.params);
    Series out = run_closes(*e, closes);
    // RegimeLabel reaches back over its returns and then its volatilities.
    std::size_t reach = static_cast<std::size_t>(c.params[0]);
    if (std::string(c.name) == "RegimeLabel") reach += static_cast<std::size_t>(c.params[1]);
    for (std::size_t i = moving + reach; i < out.size(); ++i) {
      ASSERT_TRUE(out[i]) << "index " << i;
      EXPECT_EQ(*out[i], c.want) << "index " << i;
      EXPECT_FALSE(std::signbit(*out[i])) << "index " << i;
    }
  }
}

// Rescaled ranges do not depend on the level of the window, and a chunk
// without spread does not count. With the first half flat at 0.7 (whose six
// copies do not average to 0.7) the half-window chunk must still drop out,
// so the exponent matches that of the same window moved down by 0.2, where
// the flat half averages exactly.
TEST(StatisticsEdges, HurstLeavesFlatChunksOut) {
  const std::vector<double> shape{1, 3, 2, 5, 4, 6};
  std::vector<double> exact(6, 0.5);
  std::vector<double> inexact(6, 0.7);
  for (double v : shape) {
    exact.push_back(v);
    inexact.push_back(v + 0.2);
  }
  for (double chunks : {2.0, 3.0}) {
    auto a = make("HurstExponent", {12, chunks});
    auto b = make("HurstExponent", {12, chunks});
    EXPECT_TRUE(near(*last(run_closes(*b, inexact)), *last(run_closes(*a, exact)), 1e-12))
        << chunks;
  }
}

// A straight line 1e6 + i, long enough for many recentrings: the fit is
// exact, so the line's values at the oldest, newest and next bar come back.
TEST(StatisticsEdges, StraightLine) {
  std::vector<double> line;
  for (int i = 0; i < 100; ++i) line.push_back(1e6 + i);
  const double newest = line.back();
  const double oldest = newest - 9;
  struct Case {
    const char* name;
    double want;
  };
  const std::vector<Case> kCases{
      {"LinRegSlope", 1},
      {"LinRegAngle", 45},
      {"LinRegIntercept", oldest},
      {"LinearRegression", newest},
      {"Tsf", newest + 1},
      {"TsfOscillator", -100 / newest},
      {"RSquared", 1},
      {"DetrendedStdDev", 0},
      {"StandardError", 0},
      {"TrendLabel", 1},
  };
  for (const Case& c : kCases) {
    auto e = make(c.name, {10});
    EXPECT_TRUE(near(*last(run_closes(*e, line)), c.want, 1e-9)) << c.name;
  }
}

TEST(StatisticsEdges, TsfOscillatorRepeatsItsValueOnAZeroClose) {
  auto osc = make("TsfOscillator", {3});
  // A zero close inside the first full window has nothing to repeat.
  Series first = run_closes(*osc, {1, 2, 0});
  EXPECT_FALSE(first[2]);
  Series s = run_closes(*osc, {4, 0, 5});
  ASSERT_TRUE(s[0]);
  EXPECT_EQ(s[1], s[0]);
  // The zero close still entered the fit: window 4, 0, 5 has slope 0.5 and
  // b0 = 3 - 0.5 = 2.5, forecast 2.5 + 3 * 0.5 = 4, so (5 - 4) * 100 / 5 = 20.
  EXPECT_TRUE(near(*s[2], 20));
}

TEST(StatisticsEdges, PercentileRankCountsTiesHalf) {
  auto rank = make("RollingPercentileRank", {4});
  // Largest of four distinct values: (3 + 0.5) / 4 * 100, never 100.
  EXPECT_EQ(last(run_closes(*rank, {1, 2, 3, 4})), 87.5);
  // 2, 3, 4, 3: one value below, two equal: (1 + 1) / 4 * 100.
  EXPECT_EQ(last(run_closes(*rank, {3})), 50);
}

TEST(StatisticsEdges, OrderStatisticsOnSmallWindows) {
  // Sorted 1 2 3 4: q = 0 and 1 are the ends, 0.5 interpolates to 2.5.
  for (auto [q, want] : std::vector<std::pair<double, double>>{{0, 1}, {1, 4}, {0.5, 2.5}}) {
    auto e = make("RollingQuantile", {4, q});
    EXPECT_EQ(last(run_closes(*e, {4, 1, 3, 2})), want) << q;
  }
  // Odd window 1 2 3 4 10: median 3, deviations 0 1 1 2 7, median 1.
  auto odd = make("MedianAbsoluteDeviation", {5});
  EXPECT_EQ(last(run_closes(*odd, {10, 1, 4, 2, 3})), 1);
  // Even window 1 2 3 4: median 2.5, deviations .5 .5 1.5 1.5, median 1.
  auto even = make("MedianAbsoluteDeviation", {4});
  EXPECT_EQ(last(run_closes(*even, {4, 1, 3, 2})), 1);
  // MidPrice spans the highs and lows, not the closes: max high 12, min low 7.
  auto mid = make("MidPrice", {2});
  Series m = run(*mid, {{10, {}, 12, 9}, {9, {}, 10, 7}});
  EXPECT_FALSE(m[0]);
  EXPECT_EQ(m[1], 9.5);
}

TEST(StatisticsEdges, LogReturnOverOneBar) {
  auto e = make("LogReturn", {1});
  Series s = run_closes(*e, {100, 110, 121});
  EXPECT_FALSE(s[0]);
  EXPECT_TRUE(near(*s[1], std::log(1.1)));
  EXPECT_TRUE(near(*s[2], std::log(1.1)));
}

TEST(StatisticsEdges, SampleEntropyWithoutLongerMatchesIsLnB) {
  // m = 1: x0 = x2 = x4 = 0 give B = 3 pairs; their successors 10, 20, 30
  // are 10 apart, beyond r * sd = 0.5 * 11.55, so A = 0 and the value is ln 3.
  auto e = make("SampleEntropy", {6, 1, 0.5});
  EXPECT_TRUE(near(*last(run_closes(*e, {0, 10, 0, 20, 0, 30})), std::log(3.0)));
}

TEST(StatisticsEdges, ShannonEntropyPutsTheMaximumInTheTopBin) {
  // Range 0..4 in 2 bins of width 2: {0, 1} low, {2, 4} high: 1 bit.
  auto e = make("ShannonEntropy", {4, 2});
  EXPECT_EQ(last(run_closes(*e, {0, 1, 2, 4})), 1.0);
}

TEST(StatisticsEdges, SeasonalHourOfDay) {
  struct Case {
    int64_t time_ms;
    int32_t offset;
    int hour;
  };
  const std::vector<Case> kCases{
      {3 * 3600000, -300, 22},          // 03:00 UTC at UTC-5
      {23 * 3600000 + 1800000, 60, 0},  // 23:30 UTC at UTC+1
      {-1, 0, 23},                      // one millisecond before the epoch
      {-3600000, 0, 23},
      {86400000 * 3 + 7200000, 0, 2},
  };
  for (const Case& c : kCases)
    EXPECT_EQ(SeasonalZScore::hour_of_day(c.time_ms, c.offset), c.hour) << c.time_ms;
}

TEST(StatisticsEdges, SeasonalZScoreAgainstTheSameHour) {
  auto e = make("SeasonalZScore", {-300});
  constexpr int64_t kDay = 86400000;
  constexpr int64_t kThree = 3 * 3600000;  // hour 22 at UTC-5
  // Hour 22 returns: 0.1, -0.1 (mean 0, variance 0.02), then 0.1 scores
  // 0.1 / sqrt(0.02); after it the mean is 1/30 and the variance 1/75, so a
  // flat close scores -(1/30) / sqrt(1/75). A bar at another hour between
  // them has no history and gives nothing, while still moving the close.
  Series s = run(*e, {{100, {}, NAN, NAN, kThree},
                      {110, {}, NAN, NAN, kDay + kThree},
                      {99, {}, NAN, NAN, 2 * kDay + kThree},
                      {108.9, {}, NAN, NAN, 3 * kDay + kThree},
                      {108.9, {}, NAN, NAN, 3 * kDay + kThree + 3600000},
                      {108.9, {}, NAN, NAN, 4 * kDay + kThree}});
  EXPECT_FALSE(s[0] || s[1] || s[2] || s[4]);
  EXPECT_TRUE(near(*s[3], 0.1 / std::sqrt(0.02)));
  EXPECT_TRUE(near(*s[5], -(1.0 / 30) / std::sqrt(1.0 / 75)));
  EXPECT_EQ(e->warmup(), 2u);
}

}  // namespace
}  // namespace tolvex::stats_test
