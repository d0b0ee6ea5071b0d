// Sma, Ema and Wma: the stages the other families embed. Expected values
// are hand calculations, shown next to each table.
#include <cmath>

#include "moving_averages/series.h"

namespace tolvex::test {
namespace {

TEST(Sma, MeansOfTheLastN) {
  // (1+2+3)/3 = 2, (2+3+4)/3 = 3, (3+4+8)/3 = 5.
  expect_values(run("Sma", {3}, {1, 2, 3, 4, 8}), {kNone, kNone, 2, 3, 5});
  // Period 1 returns each input unchanged from the first on.
  expect_values(run("Sma", {1}, {5, -2.5, 7}), {5, -2.5, 7});
}

TEST(Sma, RebuildRemovesRunningSumDrift) {
  // Period 2 over 1e16, 1, -1e16, 1, 1, 1, ...: the running sum loses the
  // small terms next to 1e16; the exact recompute after 16 * 2 pushes
  // brings the mean back to exactly 1 (window of 1, 1).
  std::vector<double> xs{1e16, 1, -1e16};
  for (int i = 0; i < 40; ++i) xs.push_back(1);
  Values got = run("Sma", {2}, xs);
  EXPECT_NE(*got[30], 1.0);  // still carrying the lost rounding
  for (std::size_t i = 31; i < got.size(); ++i) EXPECT_EQ(*got[i], 1.0) << i;
}

TEST(Ema, SeededWithMeanThenFused) {
  // Ema(3): mean(1,2,3) = 2, then fma(0.5, 4, 0.5 * 2) = 3, fma(0.5, 9, 1.5) = 6.
  expect_values(run("Ema", {3}, {1, 2, 3, 4, 9}), {kNone, kNone, 2, 3, 6});
}

TEST(Ema, UsesSingleRoundingFma) {
  // alpha = 2/11 for n = 10; the value after the seed must equal the fused
  // form exactly, which differs from alpha * x + beta * ema for these inputs.
  std::vector<double> xs(10, 0.1);
  xs.push_back(0.7);
  Values got = run("Ema", {10}, xs);
  double alpha = 2.0 / 11.0, seed = *got[9];
  EXPECT_EQ(*got[10], std::fma(alpha, 0.7, (1.0 - alpha) * seed));
}

TEST(Wma, WeightsOldestOneNewestN) {
  // Wma(3), D = 6: (1*1+2*2+3*3)/6 = 14/6, (2+6+12)/6 = 20/6, (3+8+30)/6 = 41/6.
  expect_values(run("Wma", {3}, {1, 2, 3, 4, 10}), {kNone, kNone, 14.0 / 6, 20.0 / 6, 41.0 / 6});
}

TEST(Wma, SixteenWrapRebuildMatchesExactSum) {
  // After every 16 wraps both sums are recomputed: with a drifting series the
  // value right after the rebuild equals the exact weighted mean of the ring.
  std::vector<double> xs{1e16, 3, -1e16};
  for (int i = 0; i < 60; ++i) xs.push_back(1 + i % 2);
  Values got = run("Wma", {3}, xs);
  // 16 wraps of a 3-ring happen at input 48; the window then is xs[45..47].
  double exact = (1 * xs[45] + 2 * xs[46] + 3 * xs[47]) / 6;
  EXPECT_EQ(*got[47], exact);
  for (std::size_t i = 48; i < xs.size(); ++i)
    EXPECT_EQ(*got[i], (1 * xs[i - 2] + 2 * xs[i - 1] + 3 * xs[i]) / 6) << i;
}

}  // namespace
}  // namespace tolvex::test
