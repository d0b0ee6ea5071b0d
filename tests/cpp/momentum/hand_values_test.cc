// Short series worked by hand: the fixed values on zero denominators, the
// repeat-the-last-value rules and the formulas' ordering of terms.
#include <cmath>

#include "momentum/series.h"

namespace tolvex::momentum_test {
namespace {

struct CloseCase {
  const char* name;
  std::vector<double> params;
  std::vector<double> closes;
  Values want;
};

const double kTol = 1e-12;

TEST(MomentumByHand, CloseSeries) {
  const double fisher_top = 0.5 * std::log(1.999 / 0.001);
  const CloseCase cases[] = {
      // An old close of 0 gives 0 for every n-step comparison.
      {"Mom", {1}, {2, 0, 4, 5}, {kNone, -2, 0, 1}},
      {"Roc", {1}, {2, 0, 4, 5}, {kNone, -100, 0, 25}},
      {"Rocp", {1}, {2, 0, 4, 5}, {kNone, -1, 0, 0.25}},
      {"Rocr", {1}, {2, 0, 4, 5}, {kNone, 0, 0, 1.25}},
      {"Rocr100", {2}, {2, 1, 3, 0, 6}, {kNone, kNone, 150, 0, 200}},
      // Equal closes: 50; a gain only: 100; then gains 1, losses 2: 100 - 100 / 1.5.
      {"AnchoredRsi", {}, {5, 5, 6, 4}, {kNone, 50, 100, 100 - 100 / 1.5}},
      // Moves over 2 steps: 3, -1, 1, 1; seed up 1.5, down 0.5 -> 75; then
      // (1 + 1.5) / 2 = 1.25 against 0.25, then 1.125 against 0.125.
      {"Rmi", {2, 2}, {1, 2, 4, 1, 5, 2}, {kNone, kNone, kNone, 75, 1.25 / 1.5 * 100, 90}},
      // Rsi 100 clamps to 0.999 before the logarithm; Rsi 50 maps to 0.
      {"FisherRsi", {2}, {1, 2, 3}, {kNone, kNone, fisher_top}},
      {"FisherRsi", {2}, {3, 3, 3}, {kNone, kNone, 0}},
      // Up then down cancel; then only a fall; a flat window reads 0.
      {"Cmo", {2}, {1, 2, 1, 0, 0, 0}, {kNone, kNone, 0, -100, -100, 0}},
      {"DisparityIndex", {2}, {2, 4, -4}, {kNone, 100.0 / 3, 0}},
      // Equal steps: every smoothed move equals its magnitude.
      {"Tsi", {3, 2}, {1, 2, 3, 4, 5, 6, 7}, {kNone, kNone, kNone, kNone, 1, 1, 1}},
      {"Tsi", {2, 2}, {4, 4, 4, 4}, {kNone, kNone, kNone, 0}},
      // The triple average of zeros is 0: the change is read as 0.
      {"Trix", {1}, {0, 0, 3}, {kNone, 0, 0}},
      // A zero old close enters the sum as a rate of change of 0.
      {"Coppock", {1, 1, 1}, {0, 2, 3}, {kNone, 0, 100}},
      {"Tii", {2, 2}, {7, 7, 7, 7}, {kNone, kNone, 50, 50}},
      {"DynamicMomentumIndex", {14}, std::vector<double>(31, 3.0), Values(30, kNone)},
      {"FisherTransform", {2}, {4, 4, 4}, {kNone, 0, 0}},
      {"UniversalOscillator", {10}, {6, 6, 6, 6}, {kNone, kNone, 0, 0}},
      {"InverseFisherTransform", {0.5}, {2, -4}, {std::tanh(1.0), std::tanh(-2.0)}},
      // A window that never moved has no efficiency: er is 0 rather than
      // 0 / 0, so the averages stay usable for the move that follows (er 1).
      {"AdaptiveRsi", {2}, {5, 5, 5, 5, 6}, {kNone, kNone, 50, 50, 100}},
      // A previous close of 0 records no return, so the rank window fills only
      // at the last close: returns -1 and 0.5, one of them below the newest,
      // rank 50; both RSI stages read 100.
      {"ConnorsRsi", {1, 1, 2}, {1, 0, 2, 3}, {kNone, kNone, kNone, 250.0 / 3}},
      // Gamma 0 makes the filter a plain delay line: after 5, 7, 6 the elements
      // are 6, 7, 5, 5, so CU = 2 and CD = 1.
      {"LaguerreRsi", {0}, {5, 7, 6}, {50, 100, 200.0 / 3}},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.name);
    Values want = c.want;
    if (std::string_view(c.name) == "DynamicMomentumIndex") want.push_back(50);
    expect_values(run(c.name, c.params, c.closes), want, kTol);
  }
}

TEST(MomentumByHand, BarSeries) {
  struct BarCase {
    const char* name;
    std::vector<double> params;
    std::vector<Bar> bars;
    Values want;
  };
  const Bar up{1, 3, 0, 2};    // body 1, range 3
  const Bar down{4, 4, 0, 1};  // body -3, range 4
  const BarCase cases[] = {
      {"BalanceOfPower", {}, {up, flat(5)}, {1.0 / 3, 0}},
      {"Qstick", {2}, {up, down}, {kNone, -1}},
      // Bodies 1 and -3: 1 * 100 / 4; flat bodies: 50.
      {"IntradayMomentumIndex", {2}, {up, down, flat(2), flat(2)}, {kNone, 25, 0, 50}},
      // Volumes 100, 200, 150, 250: seed 50 against 25; then 75 against 12.5.
      {"VolumeRsi",
       {2},
       {{1, 1, 1, 1, 100}, {1, 1, 1, 1, 200}, {1, 1, 1, 1, 150}, {1, 1, 1, 1, 250}},
       {kNone, kNone, 50.0 / 75 * 100, 75 / 87.5 * 100}},
      // Flat bars: no range anywhere, so every span reads 0.5 -> 50.
      {"UltimateOscillator",
       {1, 2, 3},
       {flat(3), flat(3), flat(3), flat(3)},
       {kNone, kNone, kNone, 50}},
      {"ProjectionOscillator", {2}, {flat(3), flat(3)}, {kNone, 50}},
      {"Cci", {2}, {flat(3), flat(3)}, {kNone, 0}},
      {"AdaptiveCci", {2}, {flat(3), flat(3), flat(3)}, {kNone, 0, 0}},
      // No range yet: nothing to repeat, so nothing.
      {"Rvi", {1}, {flat(3), flat(3), flat(3), flat(3), flat(3)}, Values(5, kNone)},
      {"Pgo", {2}, {flat(3), flat(3), flat(3)}, Values(3, kNone)},
      // A range too wide for a double gives nothing; the next bar's range
      // (4, from the previous close 0) enters the average 2 as
      // fma(2/3, 4, 2/3) = 10/3, with the mean of 0 and 4 at 2.
      {"Pgo",
       {2},
       {{1, 2, 0, 1}, {1, 3, 1, 3}, {0, 1.5e308, -1.5e308, 0}, {2, 4, 2, 4}},
       {kNone, 0.5, kNone, 0.6}},
      // Ranges 0.9 and 0.1, then flat bars: each span reads 0.5 once it
      // holds only flat pairs (a running sum would keep -2.8e-17 in the
      // 3-span on the last bar and read 0 there). BP is 0 throughout.
      {"UltimateOscillator",
       {2, 3, 1},
       {flat(0), {0, 0.9, 0, 0}, {0, 0.1, 0, 0}, flat(0), flat(0), flat(0)},
       {kNone, kNone, kNone, 0.5 * 100 / 7, 2.5 * 100 / 7, 50}},
      // The first span is the longest: no value until it is complete. Pairs
      // (BP, TR) = (2, 2), (1, 3): r1 = 3 / 5, r2 = r3 = 1 / 3.
      {"UltimateOscillator",
       {2, 1, 1},
       {flat(2), {2, 4, 2, 4}, {4, 4, 1, 2}},
       {kNone, kNone, (4 * 0.6 + 1) * 100 / 7}},
  };
  for (const BarCase& c : cases) {
    SCOPED_TRACE(c.name);
    expect_values(run_bars(c.name, c.params, c.bars), c.want, kTol);
  }
}

TEST(MomentumByHand, ZeroDenominatorRepeatsTheLastValue) {
  // Cfo(3) over 1, 2, 4: line at the newest point 7/3 + 1.5 = 23/6, value
  // (4 - 23/6) * 100 / 4; a close of exactly 0 repeats it.
  Values cfo = run("Cfo", {3}, {1, 2, 4, 0});
  expect_values(cfo, {kNone, kNone, 100.0 / 24, 100.0 / 24}, kTol);
  EXPECT_EQ(*cfo[3], *cfo[2]);

  // Rvi(1): the weighted range turns 0 once four flat bars follow.
  std::vector<Bar> bars{{1, 3, 0, 2}, {1, 3, 0, 2}, {1, 3, 0, 2}, {1, 3, 0, 2}};
  for (int i = 0; i < 4; ++i) bars.push_back(flat(2));
  Values rvi = run_bars("Rvi", {1}, bars);
  ASSERT_TRUE(rvi[3]);
  EXPECT_NEAR(*rvi[3], 1.0 / 3, kTol);
  EXPECT_EQ(*rvi[7], *rvi[6]);

  // Rvi(3) after two ranged bars: by the last bar every weighted range in
  // the window is 0, though a running sum of them keeps 2.2e-16. The
  // window is flat, so the last reading (0.125, worked with a small script
  // of our own) stands instead of a ratio of two residues.
  const Bar f = flat(0);
  rvi = run_bars("Rvi", {3}, {f, f, f, {0, 0.5, 0, 0.5}, {0, 0.8, 0, 0.1}, f, f, f, f, f, f});
  ASSERT_TRUE(rvi[9]);
  EXPECT_NEAR(*rvi[9], 0.125, kTol);
  EXPECT_EQ(*rvi[10], *rvi[9]);
}

TEST(MomentumByHand, FlatWindowAfterMovesReadsNeutral) {
  // Bodies 0, 0, 0, 0, 0.1, 0.2, 0.3, then zeros: the running up-sum after
  // the periodic rebuild is 0.6000000000000001, and taking 0.1, 0.2, 0.3
  // back off leaves about 1.7e-16. The window is flat by then and must
  // read 50, not the 100 that residue would give.
  std::vector<Bar> bars;
  for (double body : {0.0, 0.0, 0.0, 0.0, 0.1, 0.2, 0.3, 0.0, 0.0, 0.0, 0.0})
    bars.push_back({0, body, 0, body});
  Values got = run_bars("IntradayMomentumIndex", {4}, bars);
  EXPECT_EQ(*got[10], 50.0);
}

TEST(MomentumByHand, KstSignalIsTheMeanOfTheLine) {
  // All periods 1 except the signal (2): each mean is the one-step rate of
  // change r, so kst = r * (1 + 2 + 3 + 4) = 10 r: 1000 and 500.
  IndicatorBox ev = build("Kst", {1, 1, 1, 1, 1, 1, 1, 1, 2});
  ASSERT_TRUE(ev);
  expect_values(run(*ev, {1, 2, 3}), {kNone, kNone, 500});
  EXPECT_EQ(ev->fields()[1].value, 750.0);
}

}  // namespace
}  // namespace tolvex::momentum_test
