#include <gtest/gtest.h>

#include <cmath>

#include "band_series.h"

namespace tolvex::testing {
namespace {

TEST(Bollinger, ConstantSeriesCollapsesTheBands) {
  auto bands = build("BollingerBands", {3, 2});
  auto pct = build("PercentB", {3, 2});
  auto width = build("BollingerBandwidth", {3, 2});
  std::vector<Candle> bars = closes({7.25, 7.25, 7.25, 7.25, 7.25});
  auto b = run(*bands, bars), p = run(*pct, bars), w = run(*width, bars);
  for (std::size_t t = 2; t < bars.size(); ++t) {
    EXPECT_EQ(field(b[t], "upper"), 7.25);
    EXPECT_EQ(field(b[t], "middle"), 7.25);
    EXPECT_EQ(field(b[t], "lower"), 7.25);
    EXPECT_EQ(field(b[t], "stddev"), 0.0);
    EXPECT_EQ(*p[t].value, 0.5);
    EXPECT_EQ(*w[t].value, 0.0);
  }
}

TEST(Bollinger, BandwidthIsZeroWhenTheMeanIsZero) {
  auto width = build("BollingerBandwidth", {2, 2});
  auto steps = run(*width, closes({-1, 1, -3, 3}));
  EXPECT_EQ(*steps[1].value, 0.0);
  EXPECT_EQ(*steps[3].value, 0.0);
  EXPECT_NEAR(*steps[2].value, 2 * 2 * 2 / -1.0, 1e-15);  // window -3, 1: mean -1, sd 2
}

TEST(Bollinger, InnerBandsOfDoubleBollinger) {
  auto e = build("DoubleBollinger", {4, 1, 2});
  auto steps = run(*e, closes({3, 1, 4, 1, 5, 9, 2, 6}));
  for (std::size_t t = 3; t < steps.size(); ++t) {
    double mid = field(steps[t], "middle");
    EXPECT_NEAR(field(steps[t], "upper_inner"), (mid + field(steps[t], "upper_outer")) / 2, 1e-12);
    EXPECT_NEAR(field(steps[t], "lower_inner"), (mid + field(steps[t], "lower_outer")) / 2, 1e-12);
  }
}

// Closes far from zero with a small spread: plain sums of squares would
// lose every significant digit of the variance; the recentred moments keep
// it across many window turnovers.
TEST(Bollinger, KeepsPrecisionFarFromZero) {
  auto e = build("BollingerBands", {4, 2});
  std::vector<Candle> bars;
  for (int i = 0; i < 400; ++i) bars.push_back(flat(1e9 + (i % 4)));  // window is 0,1,2,3 + 1e9
  auto steps = run(*e, bars);
  for (std::size_t t = 3; t < steps.size(); ++t) {
    EXPECT_NEAR(field(steps[t], "stddev"), std::sqrt(1.25), 1e-6) << t;
    EXPECT_NEAR(field(steps[t], "middle"), 1e9 + 1.5, 1e-6) << t;
  }
}

}  // namespace
}  // namespace tolvex::testing
