#include <gtest/gtest.h>

#include <cmath>

#include "series.h"

namespace tolvex::testing {
namespace {

// Expected values of the table tests come from a short independent Python
// calculation written for these tests (direct sums over each window).
const std::vector<Bar> kBars = {
    {100, 102, 99, 101},    {101, 103.5, 100.5, 103}, {103, 104, 101, 101.5},
    {101, 101.5, 98, 99},   {99.5, 102, 99, 101.5},   {101, 104, 100.5, 103.5},
    {104, 105, 102, 102.5}, {102, 103, 100, 100.5},
};

struct Case {
  const char* name;
  std::vector<double> params;
  std::vector<std::optional<double>> want;
};

class BarEstimator : public ::testing::TestWithParam<Case> {};

TEST_P(BarEstimator, MatchesDirectReference) {
  const Case& c = GetParam();
  expect_series(run(c.name, c.params, kBars), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, BarEstimator,
    ::testing::Values(Case{"ParkinsonVolatility",
                           {3, 252},
                           {kNone, kNone, 28.13698347075438, 29.912526757796336, 30.044022188248658,
                            31.593107372088568, 29.658512233198163, 29.569114415222863}},
                      Case{"GarmanKlassVolatility",
                           {3, 252},
                           {kNone, kNone, 29.509164906750772, 30.265475289505634, 30.38381563656839,
                            30.518501264886606, 28.782329711899123, 29.63742182686348}},
                      Case{
                          "RogersSatchellVolatility",
                          {3, 252},
                          {kNone, kNone, 28.521017240400564, 29.005302060764233, 29.109803959756064,
                           28.454762890803742, 26.880174368344477, 28.26494218104203}},
                      Case{"YangZhangVolatility",
                           {3, 252},
                           {kNone, kNone, kNone, 29.91119433757871, 30.727954803686586,
                            31.052990981980987, 29.108836610773388, 30.463876098830838}},
                      // n = 2 weighs the open-to-close variance with k = 0.34 / 4.34.
                      Case{"YangZhangVolatility",
                           {2, 252},
                           {kNone, kNone, 27.93859912838536, 30.290499607773597, 32.689290117285374,
                            27.354825407215795, 31.326329939799685, 29.831767178008654}},
                      Case{"ChaikinVolatility",
                           {2, 2},
                           {kNone, kNone, kNone, 11.1111111111111, 3.7037037037037055,
                            1.1111111111111163, 0.3968253968253985, -9.76800976800975}},
                      Case{"MassIndex",
                           {2, 3},
                           {kNone, kNone, kNone, kNone, 3.0227180527383366, 3.045189962850696,
                            2.992595949378778, 2.9892562572158177}},
                      Case{"VolatilityRatio",
                           {2},
                           {kNone, kNone, kNone, 1.1666666666666667, 0.9000000000000001, 1.125,
                            0.8901098901098902, 0.9604743083003953}}),
    [](const auto& info) {
      return std::string(info.param.name) + "_" +
             std::to_string(static_cast<int>(info.param.params[0]));
    });

TEST(BarEstimators, FlatBarsGiveTheFixedValues) {
  std::vector<Bar> flat_bars = closes({5, 5, 5, 5, 5});
  expect_series(run("ParkinsonVolatility", {2, 252}, flat_bars), {kNone, 0, 0, 0, 0}, 0);
  // A zero range everywhere: the EMA b bars ago is 0, the double EMA is 0
  // (ratio 1 each), and the true-range EMA stays 0.
  expect_series(run("ChaikinVolatility", {1, 1}, {flat(5), {5, 7, 5, 6}}), {kNone, 0}, 0);
  expect_series(run("MassIndex", {1, 2}, flat_bars), {kNone, 2, 2, 2, 2}, 0);
  expect_series(run("VolatilityRatio", {1}, {flat(5), flat(5), flat(5), {5, 7, 5, 6}}),
                {kNone, kNone, 0, 0}, 0);
}

TEST(YangZhangVolatility, PlainSumOfTermsBitForBit) {
  // From a short independent Python model of the update rules, step by step:
  // recentred moment sums for the overnight and open-to-close returns and a
  // plain running sum of the Rogers-Satchell terms. Re-summing the terms
  // every n bars moves the last digit of the later values.
  expect_series(run("YangZhangVolatility", {2, 252}, kBars),
                {kNone, kNone, 27.93859912838536, 30.2904996077736, 32.689290117285374,
                 27.354825407215795, 31.326329939799685, 29.83176717800865},
                0);
  expect_series(run("YangZhangVolatility", {3, 252}, kBars),
                {kNone, kNone, kNone, 29.91119433757871, 30.72795480368659, 31.052990981980994,
                 29.10883661077339, 30.463876098830838},
                0);
}

TEST(BarEstimators, ZeroPricedBarPoisonsOnlyWhileInTheWindow) {
  // A low of 0 passes bar validation but has no logarithm. Once it has left
  // the window and the next exact re-sum has run, values are clean again.
  std::vector<Bar> bars = {kBars[0], {1, 1, 0, 0.5}, kBars[1], kBars[2], kBars[3], kBars[4]};
  for (const char* name : {"ParkinsonVolatility", "YangZhangVolatility"}) {
    auto got = run(name, {2, 252}, bars);
    auto clean = run(name, {2, 252}, {kBars[1], kBars[2], kBars[3], kBars[4]});
    ASSERT_TRUE(got[2]) << name;
    EXPECT_FALSE(std::isfinite(*got[2])) << name;
    EXPECT_NEAR(*got.back(), *clean.back(), 1e-12) << name;
  }
}

TEST(AverageDailyRange, CompletedDaysOnly) {
  constexpr int64_t kHour = 3600 * 1000;
  constexpr int64_t kDay = 24 * kHour;
  // Day ranges, by hand: day 0 is 11 - 8 = 3, day 1 is 21 - 14 = 7, day 2
  // is 1. Values: 3 once day 0 completes, (3 + 7) / 2, then (7 + 1) / 2.
  std::vector<Bar> bars = {
      {9, 10, 8, 9, 0},
      {10, 11, 9, 10, 12 * kHour},
      {16, 20, 15, 16, kDay + kHour},
      {16, 21, 14, 16, kDay + 2 * kHour},
      {4, 5, 4, 4, 2 * kDay},
      {4, 5, 4, 4, 3 * kDay},
  };
  expect_series(run("AverageDailyRange", {2, 0}, bars), {kNone, kNone, 3, 3, 5, 4}, 0);
}

TEST(AverageDailyRange, OffsetAndNegativeTimes) {
  constexpr int64_t kMinute = 60 * 1000;
  std::vector<Bar> late = {{9, 10, 9, 9, 30 * kMinute},
                           {11, 12, 11, 11, 23 * 60 * kMinute + 30 * kMinute}};
  // At +60 minutes, 23:30 UTC is already the next day; at -60, 00:30 UTC
  // still belongs to the day before.
  expect_series(run("AverageDailyRange", {3, 60}, late), {kNone, 1}, 0);
  expect_series(run("AverageDailyRange", {3, 0}, late), {kNone, kNone}, 0);
  expect_series(run("AverageDailyRange", {3, -60}, {{9, 10, 9, 9, 30 * kMinute}, late[1]}),
                {kNone, 1}, 0);
  // One millisecond before the epoch is the previous day (floor division).
  expect_series(run("AverageDailyRange", {3, 0}, {{9, 10, 9, 9, -1}, {9, 10, 8, 9, 0}}), {kNone, 1},
                0);
}

TEST(AverageDailyRange, OverflowedRangeLeavesTheAverageAgain) {
  // A day spanning -1e308 to 1e308 has an infinite range; a plain running
  // sum would turn into inf - inf for good once that day left the window.
  constexpr int64_t kDay = 86400 * 1000;
  std::vector<Bar> bars = {
      {0, 1e308, -1e308, 0, 0}, {1, 2, 1, 1, kDay}, {1, 5, 1, 1, 2 * kDay}, {1, 1, 1, 1, 3 * kDay}};
  auto got = run("AverageDailyRange", {1, 0}, bars);
  ASSERT_TRUE(got[1]);
  EXPECT_TRUE(std::isinf(*got[1]));
  expect_series({got[2], got[3]}, {1, 4}, 0);
}

TEST(HighLowRange, RelativeRangeAndZeroClose) {
  expect_series(run("HighLowRange", {}, {{100, 102, 98, 100}, {0.5, 1, 0, 0}}), {0.04, 0}, 0);
}

}  // namespace
}  // namespace tolvex::testing
