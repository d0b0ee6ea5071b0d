// The exponential cascades, Hull and triangular averages, Smma and Zlema.
#include <cmath>

#include "moving_averages/series.h"

namespace tolvex::test {
namespace {

const std::vector<double> kSeries{10, 11, 10.5, 12, 13, 12.5, 14, 13, 15, 16, 15.5, 17};

TEST(ExponentialCascades, ExactOnALinearTrend) {
  // Hand calculation: once seeded, Ema(2) of 1, 2, 3, ... lags the input by
  // 0.5 and each further stage by another 0.5; Dema and Tema cancel the lag
  // and reproduce the input exactly (up to rounding of alpha = 2/3).
  std::vector<double> ramp{1, 2, 3, 4, 5, 6, 7};
  expect_values(run("Dema", {2}, ramp), {kNone, kNone, 3, 4, 5, 6, 7}, 1e-12);
  expect_values(run("Tema", {2}, ramp), {kNone, kNone, kNone, 4, 5, 6, 7}, 1e-12);
  // GeneralizedDema with v = 1 is Dema; with v = 0 it is the first stage alone,
  // which lags by 0.5: E1 at close 3 is 2.5.
  expect_values(run("GeneralizedDema", {2, 1}, ramp), {kNone, kNone, 3, 4, 5, 6, 7}, 1e-12);
  expect_values(run("GeneralizedDema", {2, 0}, ramp), {kNone, kNone, 2.5, 3.5, 4.5, 5.5, 6.5},
                1e-12);
}

TEST(ExponentialCascades, T3MatchesIndependentCalculation) {
  // From a small independent Python calculation of the six-stage cascade.
  expect_values(run("T3", {2, 0.7}, kSeries),
                {kNone, kNone, kNone, kNone, kNone, kNone, 13.471723822588018, 13.358054971295019,
                 14.260545038866042, 15.39785154702026, 15.66169732482063, 16.462660989021643},
                1e-9);
}

TEST(Smma, SeedThenWilderStep) {
  // Smma(3): mean(3, 6, 9) = 6, then (12 + 6 * 2) / 3 = 8, (0 + 8 * 2) / 3 = 16/3.
  expect_values(run("Smma", {3}, {3, 6, 9, 12, 0}), {kNone, kNone, 6, 8, 16.0 / 3});
}

TEST(Trima, TwoStackedMeans) {
  // Trima(4): inner mean of 2, outer mean of 3. Inner: 1.5, 2.5, 3.5, 6;
  // outer: (1.5 + 2.5 + 3.5) / 3 = 2.5 on the fourth close, then 4.
  expect_values(run("Trima", {4}, {1, 2, 3, 4, 8}), {kNone, kNone, kNone, 2.5, 4});
  // Trima(5): inner 3, outer 3; first value on close 5: means 2, 3, 4 -> 3.
  expect_values(run("Trima", {5}, {1, 2, 3, 4, 5}), {kNone, kNone, kNone, kNone, 3});
}

TEST(Zlema, LagAdjustedInput) {
  // Zlema(1): L = 0, the output is the close itself.
  expect_values(run("Zlema", {1}, {4, -2, 7}), {4, -2, 7});
  // Zlema(3): L = 1, adjusted 2x - x[1] from close 2 on: 3, 8, -5; the Ema(3)
  // seeds on the third adjusted value with (3 + 8 - 5) / 3 = 2, then
  // fma(0.5, 2*5 - 0, 0.5 * 2) = 6.
  expect_values(run("Zlema", {3}, {1, 2, 5, 0, 5}), {kNone, kNone, kNone, 2, 6});
}

TEST(Hull, HmaAndEhma) {
  // Hma(4): lengths 2, 4, 2 (independent Python calculation).
  expect_values(
      run("Hma", {4}, kSeries),
      {kNone, kNone, kNone, kNone, 12.838888888888889, 13.1, 13.56111111111111, 13.594444444444447,
       14.300000000000002, 15.861111111111109, 16.166666666666664, 16.57777777777778},
      1e-9);
  // Ehma(4) by hand over 1..6, stages of 2, 4, 2: E2 lags the ramp by 0.5
  // and E4 by 1.5, so raw = 2 * E2 - E4 = x + 0.5 from close 4 on (4.5, 5.5,
  // 6.5); the last stage seeds with (4.5 + 5.5) / 2 = 5 on close 5.
  expect_values(run("Ehma", {4}, {1, 2, 3, 4, 5, 6}), {kNone, kNone, kNone, kNone, 5, 6}, 1e-12);
}

}  // namespace
}  // namespace tolvex::test
