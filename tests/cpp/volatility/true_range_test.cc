#include <gtest/gtest.h>

#include "series.h"

namespace tolvex::testing {
namespace {

// Hand-checked: true ranges 2, 3 (gap up: 12 - 9), 4, 1 (9 - 8 > 9 - 8.5).
const std::vector<Bar> kBars = {
    {9, 10, 8, 9},
    {11, 12, 10, 11},
    {10, 11, 7, 8},
    {8.5, 9, 8.5, 9},
};

TEST(TrueRange, FirstBarAndGaps) {
  expect_series(run("TrueRange", {}, kBars), {2, 3, 4, 1}, 0);
}

TEST(Atr, WilderSmoothing) {
  // Seed (2 + 3 + 4) / 3 = 3, then (3 * 2 + 1) / 3.
  expect_series(run("Atr", {3}, kBars), {kNone, kNone, 3, 7.0 / 3.0});
  // Period 1 is the true range itself, bit for bit.
  expect_series(run("Atr", {1}, kBars), {2, 3, 4, 1}, 0);
}

TEST(Natr, PercentOfCloseAndZeroClose) {
  expect_series(run("Natr", {3}, kBars), {kNone, kNone, 37.5, 100.0 * (7.0 / 3.0) / 9.0});
  expect_series(run("Natr", {1}, {{0.5, 1, 0, 0}}), {0}, 0);
}

TEST(Atr, InvalidBarLeavesStateUntouched) {
  std::vector<Bar> with_bad = kBars;
  with_bad.insert(with_bad.begin() + 2, Bar{9, 8, 10, 9});  // high below low
  auto got = run("Atr", {3}, with_bad);
  EXPECT_FALSE(got[2]);
  got.erase(got.begin() + 2);
  expect_series(got, run("Atr", {3}, kBars), 0);
  EXPECT_EQ(make("Atr", {3})->warmup(), 3u);
}

TEST(Atr, PeriodRule) {
  for (const char* name : {"Atr", "Natr"}) {
    EXPECT_EQ(build_error(name, {0}), std::string("invalid parameters for indicator ") + name +
                                          ": parameter #0 must be a positive integer, got 0");
    EXPECT_EQ(build_error(name, {16777217}),
              std::string("invalid parameters for indicator ") + name +
                  ": invalid period: period exceeds the maximum supported window length (see "
                  "MAX_PERIOD)");
    EXPECT_EQ(build_error(name, {16777216}), "");
  }
}

}  // namespace
}  // namespace tolvex::testing
