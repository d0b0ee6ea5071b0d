// Edge cases of the channel types that the reference series does not reach.
#include <gtest/gtest.h>

#include <cmath>

#include "band_series.h"

namespace tolvex::testing {
namespace {

TEST(Donchian, PeriodOneIsTheCurrentBar) {
  auto e = build("Donchian", {1});
  auto steps = run(*e, {bar(5, 6, 4, 5), bar(9, 10, 7, 8)});
  EXPECT_EQ(field(steps[0], "upper"), 6);
  EXPECT_EQ(field(steps[0], "lower"), 4);
  EXPECT_EQ(field(steps[1], "upper"), 10);
  EXPECT_EQ(field(steps[1], "middle"), 8.5);
  EXPECT_EQ(field(steps[1], "lower"), 7);
}

TEST(FractalChaosBands, CentreMustStrictlyExceedItsNeighbours) {
  auto e = build("FractalChaosBands", {1});
  // Bar 1 only ties bar 2's high, so it is no fractal; bar 3 is the first
  // upper fractal (high 9). Bar 2's low 1 is the lower fractal.
  auto steps = run(*e, {bar(3, 4, 2, 3), bar(5, 6, 3, 5), bar(4, 6, 1, 4), bar(8, 9, 5, 8),
                        bar(7, 8, 4, 7), bar(7, 8, 4, 7)});
  EXPECT_EQ(first_value(steps), 4);
  EXPECT_EQ(field(steps[4], "upper"), 9);
  EXPECT_EQ(field(steps[4], "lower"), 1);
  // Bar 4 ties bar 5's low and high: no new fractal, the bands hold.
  EXPECT_EQ(field(steps[5], "upper"), 9);
  EXPECT_EQ(field(steps[5], "lower"), 1);
}

TEST(Keltner, WaitsForTheSlowerStage) {
  // The average is ready at bar 5, the ATR at bar 2: the first value is at bar 5.
  auto e = build("Keltner", {5, 2, 1});
  auto steps = run(*e, closes({1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(e->warmup(), 5u);
  EXPECT_EQ(first_value(steps), 4);
  EXPECT_EQ(field(steps[4], "middle"), 3);
}

TEST(TtmSqueeze, ConstantSeriesIsSqueezedWithoutMomentum) {
  auto e = build("TtmSqueeze", {3, 2, 1.5});
  auto steps = run(*e, closes({4, 4, 4, 4, 4}));
  for (std::size_t t = 2; t < steps.size(); ++t) {
    EXPECT_EQ(field(steps[t], "squeeze"), 1.0);
    EXPECT_EQ(field(steps[t], "momentum"), 0.0);
  }
}

TEST(StandardErrorBands, PeriodThreeDividesTheResidualsByOne) {
  // Closes 1, 2, 4: slope 1.5, fitted 5/6, 7/3, 23/6; residual sum 1/6.
  auto seb = build("StandardErrorBands", {3, 1});
  auto lin = build("LinRegChannel", {3, 1});
  auto s = run(*seb, closes({1, 2, 4}));
  auto l = run(*lin, closes({1, 2, 4}));
  EXPECT_NEAR(field(s[2], "middle"), 23.0 / 6, 1e-15);
  EXPECT_NEAR(field(s[2], "upper") - field(s[2], "middle"), std::sqrt(1.0 / 6), 1e-15);
  EXPECT_NEAR(field(l[2], "upper") - field(l[2], "middle"), std::sqrt(1.0 / 18), 1e-15);
}

TEST(VwapStdDevBands, ZeroVolumeBarsNeitherStartNorMoveTheBands) {
  auto e = build("VwapStdDevBands", {2});
  auto steps = run(*e, {bar(1, 2, 0, 1, 0), bar(5, 6, 3, 6, 0), bar(4, 5, 2, 2, 10),
                        bar(9, 9, 9, 9, 0), bar(4, 7, 1, 4, 30)});
  EXPECT_FALSE(steps[0].value);
  EXPECT_FALSE(steps[1].value);
  EXPECT_TRUE(steps[0].fields.empty());
  // The first traded bar alone: vwap is its typical price, no spread.
  EXPECT_EQ(field(steps[2], "middle"), 3);
  EXPECT_EQ(field(steps[2], "stddev"), 0);
  EXPECT_EQ(names(steps[3].fields), names(steps[2].fields));
  for (std::size_t k = 0; k < steps[2].fields.size(); ++k)
    EXPECT_EQ(steps[3].fields[k].value, steps[2].fields[k].value);
  // 10 at 3 and 30 at 4: vwap 3.75, variance (10 * 0.5625 + 30 * 0.0625) / 40.
  EXPECT_NEAR(field(steps[4], "middle"), 3.75, 1e-15);
  EXPECT_NEAR(field(steps[4], "stddev"), std::sqrt(0.1875), 1e-15);
}

}  // namespace
}  // namespace tolvex::testing
