#include "scan/breadth_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tolvex::screener {
namespace {

Candle bar(double close, double high = NAN, double low = NAN, double volume = 1) {
  if (std::isnan(high)) high = close;
  if (std::isnan(low)) low = close;
  return Candle{0, close, high, low, close, volume};
}

TEST(PointFigure, ColumnsAndBuySignal) {
  // Box 1, reversal 3. Worked by hand: 100 starts at 100; 101.5 snaps to
  // 101 and turns the chart up; 103 lifts the top; 99.9 snaps to 99 <= 103-3
  // and completes the up column (top 103), the down column runs 102..99.
  PointFigureChart chart(1.0, 3.0);
  EXPECT_FALSE(chart.update(100));
  EXPECT_FALSE(chart.update(101.5));
  EXPECT_EQ(chart.direction(), PointFigureChart::Direction::Up);
  EXPECT_FALSE(chart.update(103));
  EXPECT_FALSE(chart.update(99.9));
  EXPECT_EQ(chart.direction(), PointFigureChart::Direction::Down);
  EXPECT_EQ(chart.top(), 102);
  EXPECT_EQ(chart.bottom(), 99);
  // 103.5 is above the completed up column's top: buy. It snaps to 103 >=
  // 99 + 3, which also completes the down column at 99 and turns up.
  EXPECT_TRUE(chart.update(103.5));
  EXPECT_EQ(chart.direction(), PointFigureChart::Direction::Up);
  EXPECT_EQ(chart.bottom(), 100);
  // A close below the completed down column's bottom clears the signal.
  EXPECT_TRUE(chart.update(101));
  EXPECT_FALSE(chart.update(98.5));
}

TEST(BreadthState, NewHighsAndLowsOverThePeriod) {
  BreadthSettings s;
  s.period = 2;
  auto state = BreadthState::make(s);
  ASSERT_TRUE(state.ok());
  const double highs[] = {10, 12, 11, 13};
  const bool want_high[] = {false, true, false, true};
  for (int i = 0; i < 4; ++i) {
    auto m = state->update(bar(10, highs[i], 9));
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(m->new_high, want_high[i]) << i;
  }
  // Lows: 9 four times, then 8 is below the last two lows.
  auto m = state->update(bar(10, 10, 8));
  EXPECT_TRUE(m->new_low);
  EXPECT_FALSE(m->new_high);
}

TEST(BreadthState, NanHighsAreIgnoredByTheWindow) {
  BreadthSettings s;
  s.period = 3;
  auto state = BreadthState::make(s);
  state->update(bar(10, 12, 9)).value();
  state->update(bar(10, NAN, 9)).value();
  EXPECT_FALSE(state->update(bar(10, 11, 9))->new_high);  // 12 still in the window
  EXPECT_TRUE(state->update(bar(10, 12.5, 9))->new_high);
}

TEST(NanSkippingExtreme, MatchesAScanOfTheLastValues) {
  // Long enough for the queue to wrap its ring and grow several times; a
  // plain scan of the last `window` values (NaN skipped) is the reference.
  std::vector<double> values;
  for (int i = 0; i < 600; ++i)
    values.push_back(i % 11 == 0 ? NAN : std::fmod(i * 7.31, 23.0) + (i % 97 == 0 ? 50 : 0));
  for (const uint64_t window : {uint64_t{1}, uint64_t{5}, uint64_t{64}, uint64_t{1} << 62}) {
    for (const bool max : {true, false}) {
      NanSkippingExtreme q(window, max);
      for (std::size_t i = 0; i < values.size(); ++i) {
        q.push(values[i]);
        double want = max ? -INFINITY : INFINITY;
        for (std::size_t j = i + 1; j-- > 0 && i - j < window;)
          if (!std::isnan(values[j]))
            want = max ? std::max(want, values[j]) : std::min(want, values[j]);
        ASSERT_EQ(q.extreme(), want) << "window " << window << " max " << max << " at " << i;
      }
    }
  }
}

TEST(BreadthState, ChangeVolumeAndAboveAverage) {
  BreadthSettings s;
  s.ma_period = 3;
  auto state = BreadthState::make(s);
  auto m1 = state->update(bar(10, NAN, NAN, -5));
  EXPECT_EQ(m1->change, 0);
  EXPECT_EQ(m1->volume, 0);  // negative volume counts as none
  EXPECT_FALSE(m1->above_ma);
  EXPECT_FALSE(state->update(bar(11))->above_ma);  // two closes: no average yet
  auto m3 = state->update(bar(13));
  EXPECT_EQ(m3->change, 2);
  EXPECT_TRUE(m3->above_ma);                       // 13 > (10 + 11 + 13) / 3
  EXPECT_FALSE(state->update(bar(11))->above_ma);  // 11 < (11 + 13 + 11) / 3
  // A non-finite close leaves the average and the flag alone.
  EXPECT_FALSE(state->update(bar(NAN, 1, 1))->above_ma);
  EXPECT_TRUE(state->update(bar(20))->above_ma);
}

TEST(BreadthState, AverageStaysExactAcrossResummation) {
  // 16 x ma_period updates trigger a re-sum; the flag must keep tracking
  // the true average of the last ma_period closes across it.
  BreadthSettings s;
  s.ma_period = 2;
  auto state = BreadthState::make(s);
  for (int i = 0; i < 100; ++i) {
    const double close = (i % 3 == 0) ? 5.0 : 1.0 + i * 0.01;
    auto m = state->update(bar(close));
    if (i == 0) continue;
    const double prev = ((i - 1) % 3 == 0) ? 5.0 : 1.0 + (i - 1) * 0.01;
    EXPECT_EQ(m->above_ma, close > (prev + close) / 2) << i;
  }
}

TEST(BreadthState, Errors) {
  BreadthSettings long_ma;
  long_ma.ma_period = 16777217;
  auto e = BreadthState::make(long_ma);
  ASSERT_FALSE(e.ok());
  EXPECT_EQ(e.error().display(),
            "bad spec: breadth ma_period: invalid period: period exceeds the maximum supported "
            "window length (see MAX_PERIOD)");

  auto zero_close = BreadthState::make({});
  auto z = zero_close->update(bar(0));
  ASSERT_FALSE(z.ok());
  EXPECT_EQ(z.error().display(),
            "bad spec: breadth point-and-figure: invalid period: box_size must be finite and "
            "positive");

  // The box is checked before the reversal.
  BreadthSettings big_reversal;
  big_reversal.pnf_reversal = 16777217;
  auto r = BreadthState::make(big_reversal);
  EXPECT_EQ(
      r->update(bar(0)).error().text.rfind("breadth point-and-figure: invalid period: box", 0), 0u);
  auto r2 = BreadthState::make(big_reversal);
  EXPECT_EQ(r2->update(bar(10)).error().text,
            "breadth point-and-figure: invalid period: period exceeds the maximum supported "
            "window length (see MAX_PERIOD)");
}

TEST(BreadthState, InvalidBarLeavesChartAndSignal) {
  BreadthSettings s;
  s.pnf_box = 0.01;
  auto state = BreadthState::make(s);
  for (double c : {100.0, 101.5, 103.0, 99.9, 103.5}) state->update(bar(c)).value();
  // high below low: not a valid bar, so the drop to 90 does not clear buy.
  EXPECT_TRUE(state->update(Candle{0, 90, 80, 95, 90, 1})->pnf_buy);
  EXPECT_FALSE(state->update(bar(90))->pnf_buy);
}

TEST(Snapshot, NeedsFiniteChangesAndVolumes) {
  CrossSection out;
  std::vector<CrossSectionMember> members(2);
  members[0].change = 1;
  members[1].volume = 3;
  ASSERT_TRUE(fill_snapshot(out, 7, members));
  EXPECT_EQ(out.timestamp, 7);
  EXPECT_EQ(out.members.size(), 2u);
  members[1].volume = INFINITY;
  EXPECT_FALSE(fill_snapshot(out, 8, members));
  members[1].volume = 1;
  members[0].change = NAN;
  EXPECT_FALSE(fill_snapshot(out, 8, members));
}

}  // namespace
}  // namespace tolvex::screener
