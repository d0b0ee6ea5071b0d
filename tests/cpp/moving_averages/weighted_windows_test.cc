// Window-weighted averages: Alma, SineWeightedMa, MedianMa, GeometricMa and
// the volume-weighted pair Vwma and Evwma.
#include <cmath>

#include "moving_averages/series.h"

namespace tolvex::test {
namespace {

const std::vector<double> kSeries{10, 11, 10.5, 12, 13, 12.5, 14, 13, 15, 16, 15.5, 17};

TEST(WindowWeights, MatchIndependentCalculation) {
  // From a small independent Python calculation of the weight formulas.
  expect_values(run("Alma", {4, 0.85, 6}, kSeries),
                {kNone, kNone, kNone, 11.27917063058795, 12.441181580370305, 12.703703155162394,
                 13.279170630587949, 13.430363717043566, 14.053143459915406, 15.419913216874534,
                 15.70349202475952, 16.27917063058795},
                1e-9);
  expect_values(run("SineWeightedMa", {4}, kSeries),
                {kNone, kNone, kNone, 10.845491502812525, 11.536474508437578, 12.118033988749895,
                 12.845491502812527, 13.154508497187473, 13.595491502812525, 14.381966011250105,
                 15.022542485937368, 15.845491502812527},
                1e-9);
}

TEST(WindowWeights, OffsetPlacesTheWeight) {
  // d = 2 (n / sigma)^2, so a large sigma collapses the Gaussian onto
  // offset * (n - 1): offset 1 returns the newest close, offset 0 the oldest,
  // offset 0.5 the middle one.
  expect_values(run("Alma", {3, 1, 1000}, {1, 2, 3, 4}), {kNone, kNone, 3, 4}, 1e-12);
  expect_values(run("Alma", {3, 0, 1000}, {1, 2, 3, 4}), {kNone, kNone, 1, 2}, 1e-12);
  expect_values(run("Alma", {3, 0.5, 1000}, {1, 2, 3, 4}), {kNone, kNone, 2, 3}, 1e-12);
  // Sigma large enough for d to underflow to 0 (0/0 at the centre) still
  // gives the limit, the close at the offset, never NaN.
  expect_values(run("Alma", {3, 1, 1e300}, {1, 2, 3, 4}), {kNone, kNone, 3, 4});
  // m = 1.5 lies halfway between closes 2 and 3: in the limit both weigh
  // 0.5. Sigma 400 already underflows every weight (exp(-0.25 / 2e-4)).
  expect_values(run("Alma", {4, 0.5, 1e300}, {1, 2, 3, 4}), {kNone, kNone, kNone, 2.5});
  expect_values(run("Alma", {4, 0.5, 400}, {1, 2, 3, 4, 6}), {kNone, kNone, kNone, 2.5, 3.5});
  // m = 2.55 is nearest to index 3 alone.
  expect_values(run("Alma", {4, 0.85, 1e6}, {1, 2, 3, 4, 6}), {kNone, kNone, kNone, 4, 6});
  // Period 1: sin(pi / 2) = 1, the close itself.
  expect_values(run("SineWeightedMa", {1}, {5, 6}), {5, 6});
}

TEST(MedianMa, OddAndEvenWindows) {
  expect_values(run("MedianMa", {3}, {5, 1, 4, 2, 9}), {kNone, kNone, 4, 2, 4});
  expect_values(run("MedianMa", {2}, {1, 3, -7}), {kNone, 2, -2});
}

TEST(GeometricMa, NonPositiveClosesAreSkipped) {
  // Geometric mean of 2 and 8 is 4; a 0 and a -1 in between give nothing
  // and do not enter the window, so the next value is sqrt(8 * 0.5) = 2.
  expect_values(run("GeometricMa", {2}, {2, 8, 0, -1, 0.5}), {kNone, 4, kNone, kNone, 2}, 1e-12);
}

TEST(VolumeWeighted, VwmaWeightsAndZeroVolumeFallback) {
  IndicatorBox ev = build("Vwma", {2});
  // (10*1 + 20*3) / 4 = 17.5; then (20*3 + 30*0) / 3 = 20; a window without
  // volume falls back to the plain mean (30 + 40) / 2 = 35.
  expect_values(run_bars(*ev, {bar_of(10, 1), bar_of(20, 3), bar_of(30, 0), bar_of(40, 0)}),
                {kNone, 17.5, 20, 35});
}

TEST(VolumeWeighted, VwmaWindowWithoutVolumeAfterTradesIsThePlainMean) {
  // Volumes 0.1 and 0.2 leave the running volume sum at 5.55e-17 rather
  // than 0 once both are evicted before the next exact recompute (checked in
  // Python: (0.1 + 0.2) - 0.1 - 0.2). The window 30, 40, 50 traded nothing,
  // so its value is the plain mean 40, not the residue ratio 0.
  IndicatorBox ev = build("Vwma", {3});
  std::vector<Candle> bars{bar_of(10, 0.1), bar_of(20, 0.2), bar_of(30, 0), bar_of(40, 0),
                           bar_of(50, 0),   bar_of(60, 0),   bar_of(70, 2)};
  // 5 / 0.3 and 4 / 0.2 (a hair off: 0.30000000000000004 and
  // 0.20000000000000004 are the running sums), then plain means, then the
  // only traded close.
  expect_values(run_bars(*ev, bars),
                {kNone, kNone, 5 / 0.30000000000000004, 4 / 0.20000000000000004, 40, 50, 70});
}

TEST(VolumeWeighted, EvwmaBlendsWithThePreviousValue) {
  IndicatorBox ev = build("Evwma", {2});
  // V = 1 + 3 = 4, no previous value: base = close, (20*3 + 1*20) / 4 = 20.
  // Next V = 3 + 1 = 4: (30*1 + 3*20) / 4 = 22.5. Then V = 1 + 0 = 1:
  // (40*0 + 1*22.5) / 1 = 22.5. Then V = 0: the previous value is repeated.
  expect_values(
      run_bars(*ev, {bar_of(10, 1), bar_of(20, 3), bar_of(30, 1), bar_of(40, 0), bar_of(50, 0)}),
      {kNone, 20, 22.5, 22.5, 22.5});
  // A window without any volume before the first value returns the close.
  IndicatorBox flat = build("Evwma", {2});
  expect_values(run_bars(*flat, {bar_of(10, 0), bar_of(20, 0), bar_of(30, 0)}), {kNone, 20, 20});
}

TEST(VolumeWeighted, InvalidBarIsSkipped) {
  // A bar with high below low is not a usable step for the bar readers.
  Candle bad{0, 10, 9, 11, 10, 1};
  // Vwma: (10 + 30) / 2; Evwma: (30 * 1 + 1 * 30) / 2 with the close as base.
  IndicatorBox vwma = build("Vwma", {2});
  expect_values(run_bars(*vwma, {bar_of(10, 1), bad, bar_of(30, 1)}), {kNone, kNone, 20});
  IndicatorBox evwma = build("Evwma", {2});
  expect_values(run_bars(*evwma, {bar_of(10, 1), bad, bar_of(30, 1)}), {kNone, kNone, 30});
}

}  // namespace
}  // namespace tolvex::test
