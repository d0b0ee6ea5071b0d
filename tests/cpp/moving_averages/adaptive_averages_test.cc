// Adaptive and recursive smoothers: Kama, Vidya, Frama, McGinleyDynamic,
// HoltWinters, Jma, SuperSmoother, Mama and Fama.
#include <cmath>

#include "moving_averages/series.h"

namespace tolvex::test {
namespace {

const std::vector<double> kSeries{10, 11, 10.5, 12, 13, 12.5, 14, 13, 15, 16, 15.5, 17};

TEST(Adaptive, MatchIndependentCalculation) {
  // From a small independent Python calculation of each recurrence.
  struct Case {
    const char* name;
    std::initializer_list<double> params;
    Values want;
  };
  const Case cases[] = {
      {"Kama",
       {4, 2, 30},
       {kNone, kNone, kNone, kNone, 10.799167533818938, 10.97615322228731, 11.834728902392335,
        11.888620501310484, 12.178771298912867, 12.94469008114904, 13.124452380138363,
        14.280816492720133}},
      {"Vidya",
       {4, 3},
       {kNone, kNone, kNone, 12.0, 12.266666666666666, 12.328888888888889, 12.77451851851852,
        12.77451851851852, 13.269069958847737, 13.81525596707819, 14.296611405055849,
        15.017515030374287}},
      {"Frama",
       {4},
       {kNone, kNone, kNone, 12.0, 13.0, 12.5, 12.841159855060774, 13.0, 13.214420503057973, 16.0,
        15.5, 15.841159855060774}},
      {"Jma",
       {5, 50, 2},
       {10, 10.60869582990586, 10.639296562651374, 11.48297233147141, 12.550583843305636,
        12.710322242305615, 13.556182462001896, 13.38172924619164, 14.372230101548842,
        15.541810173980265, 15.731241054513035, 16.57649950719279}},
      {"SuperSmoother",
       {5},
       {10, 11, 11.006486411699798, 11.16599628395264, 12.060781872869473, 12.660464116423869,
        13.14539251151323, 13.45808588880221, 13.863499646225442, 14.996655374436202,
        15.678366728952717, 16.165521611516716}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    expect_values(run(c.name, c.params, kSeries), c.want, 1e-9);
  }
}

TEST(Adaptive, FlatSeriesHasNoDivisionByZero) {
  // Constant input: Kama's volatility is 0 (efficiency 0, first value the
  // oldest close); Vidya's momentum sums are 0 (cmo 0); Frama's ranges are
  // 0 (alpha 0.01). All stay at the constant.
  std::vector<double> flat(8, 7.0);
  for (auto [name, params, first] : {std::tuple{"Kama", std::vector<double>{3, 2, 30}, 3},
                                     {"Vidya", {3, 2}, 2},
                                     {"Frama", {4}, 3}}) {
    SCOPED_TRACE(name);
    auto ev = build_from(moving_averages_rows(), name, params);
    ASSERT_TRUE(ev.ok());
    Values got = run(**ev, flat);
    EXPECT_EQ(first_value(got), first);
    for (std::size_t i = first; i < got.size(); ++i) EXPECT_EQ(*got[i], 7.0);
  }
}

TEST(Vidya, FlatWindowAfterMovesReadsZeroMomentum) {
  // Up moves 0.1, 0.2, 0.3 leave the running up-sum at 5.55e-17 instead of
  // 0 once they are evicted (checked in Python). The flat window must read
  // cmo 0, so k = 0 and the line holds at 0.5625; the residue would read as
  // cmo 100 and move it to 0.58125.
  Values got = run("Vidya", {3, 3}, {5, 0, 0.1, 0.3, 0.6, 0.6, 0.6, 0.6});
  expect_values(got, {kNone, kNone, kNone, 0.3, 0.45, 0.525, 0.5625, 0.5625}, 1e-12);
  EXPECT_EQ(*got[7], *got[6]);
}

TEST(McGinleyDynamic, SeedsThenTracksAndHoldsOnNonPositive) {
  // Seed mean(4, 6) = 5; close 5: r = 1, md = 5 + 0 = 5; close 10: r = 2,
  // md = 5 + 5 / (16 * 1.2) = 5.260416666...; close -1: value held.
  expect_values(run("McGinleyDynamic", {2}, {4, 6, 5, 10, -1}),
                {kNone, 5, 5, 5 + 5 / (16 * 1.2), 5 + 5 / (16 * 1.2)});
}

TEST(HoltWinters, LevelPlusTrend) {
  // 1, 2: nothing, then level 2 + trend 1 = 3. Close 4 with alpha = beta =
  // 0.5: level' = 2 + 1.5 = 3.5, trend' = 0.5 + 0.5 * 1.5 = 1.25 -> 4.75.
  expect_values(run("HoltWinters", {0.5, 0.5}, {1, 2, 4}), {kNone, 3, 4.75});
}

TEST(Jma, FirstCloseIsReturnedUnchanged) {
  expect_values(run("Jma", {7, 0, 1}, {42.5}), {42.5});
}

TEST(Mesa, MamaAndFamaShareTheEngine) {
  // A 40-bar sine-plus-drift series; the first values (close 33) and the
  // last come from a small independent Python calculation of the engine.
  std::vector<double> xs;
  for (int i = 0; i < 40; ++i) xs.push_back(100 + 10 * std::sin(i / 3.0) + 0.1 * i);
  IndicatorBox mama = build("Mama", {0.5, 0.05});
  IndicatorBox fama = build("Fama", {0.5, 0.05});
  for (std::size_t i = 0; i < xs.size(); ++i) {
    auto m = step(*mama, bar_of(xs[i]));
    auto f = step(*fama, bar_of(xs[i]));
    ASSERT_EQ(m.has_value(), i >= 32) << i;
    ASSERT_EQ(f.has_value(), i >= 32) << i;
    if (!m) {
      EXPECT_TRUE(mama->fields().empty());
      continue;
    }
    OutputList out = mama->fields();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].name, "mama");
    EXPECT_EQ(out[1].name, "fama");
    EXPECT_EQ(*m, out[0].value);
    EXPECT_EQ(*f, out[1].value);
    if (i == 32) {
      EXPECT_NEAR(*m, 101.29959135789565, 1e-9);
      EXPECT_NEAR(*f, 106.41978980024206, 1e-9);
    }
    if (i == 39) {
      EXPECT_NEAR(*m, 100.87161724669485, 1e-9);
      EXPECT_NEAR(*f, 105.46042439178107, 1e-9);
    }
  }
}

TEST(Bands, MaEnvelopeOutputs) {
  IndicatorBox ev = build("MaEnvelope", {2, 0.1});
  EXPECT_FALSE(step(*ev, bar_of(9)));
  EXPECT_TRUE(ev->fields().empty());
  auto v = step(*ev, bar_of(11));  // mean 10
  ASSERT_TRUE(v);
  OutputList out = ev->fields();
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0].name, "upper");
  EXPECT_EQ(out[1].name, "middle");
  EXPECT_EQ(out[2].name, "lower");
  EXPECT_DOUBLE_EQ(out[0].value, 11);
  EXPECT_EQ(out[1].value, 10);
  EXPECT_DOUBLE_EQ(out[2].value, 9);
  EXPECT_EQ(*v, out[0].value);
}

TEST(Bands, TdMovingAverageReadsTheBarMidpoint) {
  IndicatorBox ev = build("TdMovingAverage", {1, 2});
  // Midpoints 5, 7, 9 (high/low 6/4, 8/6, 10/8).
  std::vector<Candle> bars{{0, 5, 6, 4, 5, 1}, {0, 7, 8, 6, 7, 1}, {0, 9, 10, 8, 9, 1}};
  expect_values(run_bars(*ev, bars), {kNone, 7, 9});
  OutputList out = ev->fields();
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].name, "st1");
  EXPECT_EQ(out[0].value, 9);
  EXPECT_EQ(out[1].name, "st2");
  EXPECT_EQ(out[1].value, 8);
}

}  // namespace
}  // namespace tolvex::test
