// Hand-checked behaviours: fixed values on flat windows and zero
// denominators, repeated values, the Elder impulse rules, and the relations
// between a type and the stage it is built on. Expected values are worked
// out in the comments.
#include <vector>

#include "oscillators/fixture.h"
#include "oscillators/series.h"

namespace tolvex::test {
namespace {

TEST(MacdGroup, ClassicMacdStartsOnClose34) {
  std::vector<double> closes;
  for (int i = 1; i <= 40; ++i) closes.push_back(100 + (i % 7));
  Values v = run("MacdIndicator", {12, 26, 9}, closes);
  EXPECT_EQ(first_value(v), 33);  // close 34: 26 for the slow EMA, 8 more for the signal
}

TEST(MacdGroup, HistogramWithTheLongerFastAverageDeclaresItsRealStart) {
  // MacdHistogram takes fast >= slow; its first value then waits for the
  // fast average: 26 closes, then 8 more for the signal, close 34.
  IndicatorBox ev = build("MacdHistogram", {26, 12, 9});
  ASSERT_TRUE(ev);
  EXPECT_EQ(ev->warmup(), 34u);
  std::vector<double> closes;
  for (int i = 1; i <= 40; ++i) closes.push_back(100 + (i % 7));
  EXPECT_EQ(first_value(run("MacdHistogram", {26, 12, 9}, closes)), 33);
}

TEST(MacdGroup, ApoAndPpoByHand) {
  // Ema(2), alpha 2/3: 1.5 (mean of 1, 2), then 2.5, 3.5. Ema(3): 2, then 3.
  // Apo: 2.5 - 2 = 0.5, 3.5 - 3 = 0.5. Ppo: 0.5 * 100 / 2 = 25, 0.5 * 100 / 3.
  expect_values(run("Apo", {2, 3}, {1, 2, 3, 4}), {kNone, kNone, 0.5, 0.5}, 1e-12);
  expect_values(run("Ppo", {2, 3}, {1, 2, 3, 4}), {kNone, kNone, 25, 50.0 / 3}, 1e-12);
}

TEST(MacdGroup, PpoOfAZeroSlowAverageIsZero) {
  // Ppo(1, 2) over -1, 1: the slow EMA seeds at (-1 + 1) / 2 = 0, where the
  // percentage is undefined: 0, and the signal line of PpoHistogram goes on
  // from there (ppo 0, then (3 - 2) * 100 / 2 = 50; signal Ema(1) = ppo).
  expect_values(run("Ppo", {1, 2}, {-1, 1}), {kNone, 0.0});
  expect_values(run("PpoHistogram", {1, 2, 1}, {-1, 1, 3}), {kNone, 0.0, 0.0});
}

TEST(MacdGroup, ElderImpulseNeedsBothLinesToAgree) {
  // ElderImpulse(1, 1, 2, 2): the EMA is the close itself; histograms by
  // hand over 1, 2, 4, 8, 9, 9.5 are 1/6, 0.315, -0.142, -0.185 from the
  // third close on. Close 8: both rose, +1. Close 9: the close rose but the
  // histogram fell, 0.
  expect_values(run("ElderImpulse", {1, 1, 2, 2}, {1, 2, 4, 8, 9, 9.5}),
                {kNone, kNone, kNone, 1.0, 0.0, 0.0});
  // Over 10, 9, 7, 6.9, 6.8 the histogram goes -1/6, 0.119, 0.098: close
  // 6.9 falls while the histogram rises (0); close 6.8 both fall (-1).
  expect_values(run("ElderImpulse", {1, 1, 2, 2}, {10, 9, 7, 6.9, 6.8}),
                {kNone, kNone, kNone, 0.0, -1.0});
}

TEST(AwesomeGroup, HistogramIsTheOscillatorsChange) {
  IndicatorBox ao = build("AwesomeOscillator", {5, 12});
  IndicatorBox hist = build("AwesomeOscillatorHistogram", {5, 12, 3});
  ASSERT_TRUE(ao && hist);
  EXPECT_EQ(hist->warmup(), 15u);
  Values a = run_bars(*ao, fixture_bars());
  Values h = run_bars(*hist, fixture_bars());
  EXPECT_EQ(first_value(h), 14);
  for (std::size_t i = 14; i < h.size(); ++i) EXPECT_EQ(*h[i], *a[i] - *a[i - 3]) << i;
}

TEST(AwesomeGroup, ElderRayByHand) {
  // Ema(2) of the closes 2, 4, 6: 3, then fma(2/3, 6, 1/3 * 3) = 5.
  // Bull power high - ema: 5 - 3 = 2, 6 - 5 = 1; bear power: 3 - 3 = 0, 4 - 5 = -1.
  IndicatorBox ev = build("ElderRay", {2});
  ASSERT_TRUE(ev);
  EXPECT_FALSE(step(*ev, bar(3, 1, 2)));
  auto v = step(*ev, bar(5, 3, 4));
  ASSERT_TRUE(v);
  EXPECT_EQ(*v, 2.0);
  EXPECT_EQ(ev->fields().find("bear_power"), 0.0);
  v = step(*ev, bar(6, 4, 6));
  ASSERT_TRUE(v);
  EXPECT_NEAR(*v, 1.0, 1e-12);
  EXPECT_NEAR(*ev->fields().find("bear_power"), -1.0, 1e-12);
}

TEST(StochasticGroup, FlatWindowsGiveTheirFixedValues) {
  const std::vector<Candle> flat(8, bar_of(5));
  struct FlatCase {
    const char* name;
    std::vector<double> params;
    double value;
  };
  const FlatCase cases[] = {
      {"Stochastic", {3, 2}, 50},  // HH = LL
      {"WilliamsR", {3}, -50},     // HH = LL
      {"KasePermissionStochastic", {3, 2}, 50},
      {"Stc", {2, 3, 2, 0.5}, 0},   // a constant MACD line has no range
      {"WaveTrend", {2, 2, 2}, 0},  // no deviation: channel index 0
      {"StochasticCci", {2}, 50},   // Cci is 0 throughout
  };
  for (const FlatCase& c : cases) {
    SCOPED_TRACE(c.name);
    IndicatorBox ev = build(c.name, c.params);
    ASSERT_TRUE(ev);
    Values v = run_bars(*ev, flat);
    ASSERT_EQ(first_value(v), static_cast<long>(ev->warmup()) - 1);
    for (std::size_t i = ev->warmup() - 1; i < v.size(); ++i) EXPECT_EQ(*v[i], c.value) << i;
  }
}

TEST(StochasticGroup, StochRsiOfAFlatRsiIsFifty) {
  // A constant close keeps the RSI at 50, so its window has no range.
  Values v = run("StochRsi", {2, 3}, std::vector<double>(8, 7.0));
  EXPECT_EQ(first_value(v), 4);
  for (std::size_t i = 4; i < v.size(); ++i) EXPECT_EQ(*v[i], 50.0);
}

TEST(StochasticGroup, WilliamsRAtTheHighestHighIsZero) {
  // Window highs 12, 11, 13 and lows 8, 9, 10: HH 13, LL 8. Close 13 gives
  // 0; then highs 11, 13, 12 with close 10.5: (13 - 10.5) * -100 / (13 - 9) = -62.5.
  IndicatorBox ev = build("WilliamsR", {3});
  ASSERT_TRUE(ev);
  Values v = run_bars(*ev, {bar(12, 8, 10), bar(11, 9, 10), bar(13, 10, 13), bar(12, 10, 10.5)});
  expect_values(v, {kNone, kNone, 0.0, -62.5}, 1e-12);
}

TEST(StochasticGroup, SmiRepeatsItsLastValueOverAFlatRange) {
  // Smi(2, 1, 1): single-input smoothing, so value = rel * 100 / (range / 2).
  // Bars 1-2: hh 11, ll 9, rel 10.5 - 10 = 0.5 -> 50. Bars 2-3: hh 12, ll 9,
  // rel 12 - 10.5 = 1.5 -> 100. Bars 3-4: no range, 100 again.
  IndicatorBox ev = build("Smi", {2, 1, 1});
  ASSERT_TRUE(ev);
  Values v = run_bars(*ev, {bar(11, 9, 10), bar(11, 9, 10.5), bar(12, 12, 12), bar(12, 12, 12)});
  expect_values(v, {kNone, 50.0, 100.0, 100.0});
  // Flat from the start there is nothing to repeat.
  IndicatorBox flat = build("Smi", {1, 1, 1});
  ASSERT_TRUE(flat);
  for (auto x : run_bars(*flat, std::vector<Candle>(4, bar_of(3)))) EXPECT_FALSE(x);
}

TEST(StochasticGroup, StochasticDIsTheMeanOfK) {
  IndicatorBox ev = build("Stochastic", {7, 3});
  ASSERT_TRUE(ev);
  std::vector<double> ks;
  for (const Candle& b : fixture_bars()) {
    if (!step(*ev, b)) continue;
    ks.push_back(*ev->fields().find("k"));
    if (ks.size() >= 3) {
      std::size_t n = ks.size();
      EXPECT_NEAR(*ev->fields().find("d"), (ks[n - 3] + ks[n - 2] + ks[n - 1]) / 3, 1e-12);
    }
  }
}

}  // namespace
}  // namespace tolvex::test
