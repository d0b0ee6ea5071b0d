#include <gtest/gtest.h>

#include <cmath>

#include "series.h"

namespace tolvex::testing {
namespace {

// Expected values in this file come from a short independent Python
// calculation written for these tests: log returns, then two-pass means and
// variances over each window (no shifted or running sums).
const std::vector<double> kCloses = {100, 101, 99.5, 102,   103.5, 101,
                                     104, 106, 105,  107.5, 106,   108};

struct Case {
  const char* name;
  std::vector<double> params;
  std::vector<std::optional<double>> want;
};

class ReturnEstimator : public ::testing::TestWithParam<Case> {};

TEST_P(ReturnEstimator, MatchesTwoPassReference) {
  const Case& c = GetParam();
  expect_series(run(c.name, c.params, closes(kCloses)), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Closes, ReturnEstimator,
    ::testing::Values(
        Case{"HistoricalVolatility",
             {3, 252},
             {kNone, kNone, kNone, 31.90686398109165, 32.79382405276059, 41.275925510779494,
              44.079265993115385, 45.28493155451478, 31.879541094114995, 28.422960154303972,
              32.55208387855859, 32.45549151541691}},
        Case{"RealizedVolatility",
             {3},
             {kNone, kNone, kNone, 0.030638036184904505, 0.032446958589659146, 0.03777265746460133,
              0.04083792738977312, 0.04263150361639762, 0.036186124393089825, 0.031723250573806844,
              0.02899970121406992, 0.03317426593149472}},
        Case{"BipowerVariation",
             {3},
             {kNone, kNone, kNone, 0.0008171152895582319, 0.001152301459067441,
              0.0011297612043281958, 0.0016849140009584454, 0.002000002085679744,
              0.0011594062011265718, 0.0006339616526467116, 0.0008697252777933737,
              0.0009319565911962977}},
        // The first value is |r| of the first return.
        Case{
            "EwmaVolatility",
            {0.94},
            {kNone, 0.009950330853168092, 0.010319970570046636, 0.011707230335098953,
             0.011900553947790006, 0.01299989071284516, 0.014500436056644977, 0.014812728006055266,
             0.014547944581274688, 0.0152369678266287, 0.015168466756644782, 0.015402635843102691}},
        // The first value is sqrt(1e-4 / (1 - 0.1 - 0.8)) = sqrt(1e-3).
        Case{"Garch11",
             {1e-4, 0.1, 0.8},
             {kNone, 0.0316227766016838, 0.03016456378615065, 0.029160066574014397,
              0.029014252496399277, 0.028191735895360434, 0.02820646711537726, 0.028673321358087644,
              0.0281781982981079, 0.027279907370765993, 0.02739932677572887, 0.026838846169840766}},
        Case{"JumpIndicator", {3, 1.0}, {kNone, kNone, kNone, kNone, 0, -1, 0, 0, 0, 0, -1, 0}},
        Case{"VolatilityOfVolatility",
             {3, 3},
             {kNone, kNone, kNone, kNone, kNone, 0.0032582014675133207, 0.0037015473204707818,
              0.0012957111988723352, 0.004671705120581224, 0.005610709505650504,
              0.0013956169180862517, 0.001484494417907173}},
        Case{"RviVolatility",
             {3},
             {kNone, kNone, kNone, kNone, 81.10805151885485, 55.293285688495686, 72.22869784809744,
              85.30380301226339, 66.61114932207296, 76.38026136963605, 53.08316899289298,
              65.96402902195437}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VolatilityCone, FieldsAgainstReference) {
  // Rows: current, min, median, max, percentile, from the same reference.
  const std::vector<std::vector<double>> want = {
      {0.027767327569535677, 0.020099435049984, 0.023329778216424055, 0.027767327569535677, 100},
      {0.028526825483768503, 0.02065816737676496, 0.026884358312809414, 0.028526825483768503, 100},
      {0.02008222324902196, 0.02008222324902196, 0.026884358312809414, 0.028526825483768503, 25},
      {0.017904781926806272, 0.017904781926806272, 0.023924775409278818, 0.028526825483768503, 25},
      {0.020505885380852597, 0.017904781926806272, 0.020294054314937277, 0.028526825483768503, 75},
      {0.020445037911466665, 0.017904781926806272, 0.020263630580244312, 0.020505885380852597, 75},
  };
  IndicatorBox e = make("VolatilityCone", {3, 4});
  const char* names[] = {"current", "min", "median", "max", "percentile"};
  for (std::size_t i = 0; i < kCloses.size(); ++i) {
    auto v = step(*e, flat(kCloses[i]));
    if (i < 6) {
      EXPECT_FALSE(v) << i;
      EXPECT_TRUE(e->fields().empty());
      continue;
    }
    const auto& row = want[i - 6];
    ASSERT_TRUE(v) << i;
    EXPECT_NEAR(*v, row[0], 1e-15);
    OutputList f = e->fields();
    ASSERT_EQ(f.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
      EXPECT_EQ(f[k].name, names[k]);
      EXPECT_NEAR(f[k].value, row[k], 1e-13) << i << " " << names[k];
    }
  }
}

TEST(VolatilityCone, NonPositiveCloseRepeatsPreviousOutputs) {
  IndicatorBox e = make("VolatilityCone", {2, 2});
  EXPECT_FALSE(step(*e, flat(0)));  // nothing to repeat yet
  std::vector<double> cs = {100, 101, 103, 102};
  std::optional<double> last;
  for (double c : cs) last = step(*e, flat(c));
  ASSERT_TRUE(last);
  OutputList before = e->fields();
  auto again = step(*e, Bar{1, 1, 0, 0});
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, *last);
  OutputList after = e->fields();
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t k = 0; k < after.size(); ++k) EXPECT_EQ(after[k].value, before[k].value);
  // State untouched: the next close continues as if the 0 had not come.
  IndicatorBox clean = make("VolatilityCone", {2, 2});
  std::vector<double> more = {100, 101, 103, 102, 104};
  std::optional<double> want;
  for (double c : more) want = step(*clean, flat(c));
  EXPECT_EQ(step(*e, flat(104)), want);
}

TEST(ReturnEstimators, DegenerateSeries) {
  // Constant return (each close 2x the last, exact in binary): zero spread.
  auto hv = run("HistoricalVolatility", {3, 252}, closes({1, 2, 4, 8, 16}));
  EXPECT_EQ(hv.back(), 0.0);
  // A constant window has zero variance, so even a large move is no jump;
  // once that move is in the window, the way back is one.
  auto jump = run("JumpIndicator", {3, 0.5}, closes({10, 10, 10, 10, 10, 20, 10}));
  expect_series(jump, {kNone, kNone, kNone, kNone, 0, 0, -1}, 0);
  auto rvi = run("RviVolatility", {2}, closes({5, 5, 5, 5}));
  expect_series(rvi, {kNone, kNone, 50, 50}, 0);
  // A constant close: sigma2 = omega + beta * sigma2 converges to
  // omega / (1 - beta).
  IndicatorBox g = make("Garch11", {1e-4, 0.1, 0.8});
  std::optional<double> v;
  for (int i = 0; i < 400; ++i) v = step(*g, flat(50));
  EXPECT_NEAR(*v, std::sqrt(1e-4 / 0.2), 1e-15);
}

TEST(ReturnEstimators, RecentringStaysAccurateOverLongRuns) {
  // An alternating return of +-ln(1.01) has a sample standard deviation of
  // ln(1.01) * sqrt(4/3) over any 4 returns (two of each sign: deviations
  // of +-ln(1.01), squared sum 4 ln(1.01)^2, divided by 3); thousands of
  // windows later the shifted sums must not have drifted.
  IndicatorBox e = make("HistoricalVolatility", {4, 1});
  std::optional<double> v;
  for (int i = 0; i < 20001; ++i) v = step(*e, flat(i % 2 == 0 ? 1000.0 : 1010.0));
  double lr = std::log(1.01);
  EXPECT_NEAR(*v, lr * std::sqrt(4.0 / 3.0) * 100.0, 1e-12);
}

}  // namespace
}  // namespace tolvex::testing
