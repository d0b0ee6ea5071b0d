// The evaluator contract across every oscillator: warm-up is the step of
// the first value, named outputs appear only with values and keep their
// names and order, and unusable steps leave no trace.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "oscillators/fixture.h"
#include "oscillators/series.h"

namespace tolvex::test {
namespace {

struct ContractCase {
  const char* name;
  std::vector<double> params;
  std::vector<std::string> fields;
  bool reads_bar;  // validates the whole bar (else reads only the close)
};

const std::vector<ContractCase>& cases() {
  static const std::vector<ContractCase> kCases = {
      {"AcceleratorOscillator", {3, 8, 4}, {}, true},
      {"Apo", {4, 9}, {}, false},
      {"AwesomeOscillator", {5, 12}, {}, true},
      {"AwesomeOscillatorHistogram", {5, 12, 3}, {}, true},
      {"ElderImpulse", {6, 4, 10, 3}, {}, false},
      {"ElderRay", {5}, {"bull_power", "bear_power"}, true},
      {"KasePermissionStochastic", {7, 3}, {"fast", "slow"}, true},
      {"MacdFix", {9}, {"macd", "signal", "histogram"}, false},
      {"MacdHistogram", {5, 13, 4}, {}, false},
      {"MacdIndicator", {12, 26, 9}, {"macd", "signal", "histogram"}, false},
      {"Ppo", {4, 9}, {}, false},
      {"PpoHistogram", {4, 10, 3}, {}, false},
      {"Qqe", {5, 3, 4.236}, {"rsi_ma", "trailing_line"}, false},
      {"Smi", {6, 4, 3}, {}, true},
      {"Stc", {4, 10, 5, 0.5}, {}, false},
      {"StochRsi", {6, 5}, {}, false},
      {"Stochastic", {7, 3}, {"k", "d"}, true},
      {"StochasticCci", {6}, {}, true},
      {"VolumeWeightedMacd", {3, 8, 4}, {"macd", "signal", "histogram"}, true},
      {"WaveTrend", {5, 6, 3}, {"wt1", "wt2"}, true},
      {"WilliamsR", {9}, {}, true},
      {"ZeroLagMacd", {4, 9, 3}, {"macd", "signal", "histogram"}, false},
  };
  return kCases;
}

TEST(Contract, EveryRowIsCovered) {
  // A row added without a contract case would escape these tests.
  std::vector<std::string> rows, covered;
  for (const IndicatorRow& r : oscillators_rows()) rows.emplace_back(r.name);
  for (const ContractCase& c : cases()) covered.emplace_back(c.name);
  EXPECT_EQ(rows, covered);
}

TEST(Contract, WarmupIsTheFirstValueAndFieldsFollowValues) {
  for (const ContractCase& c : cases()) {
    SCOPED_TRACE(c.name);
    IndicatorBox ev = build(c.name, c.params);
    ASSERT_TRUE(ev);
    const auto& bars = fixture_bars();
    for (std::size_t i = 0; i < bars.size(); ++i) {
      auto v = step(*ev, bars[i]);
      ASSERT_EQ(v.has_value(), i + 1 >= ev->warmup()) << "step " << i;
      if (!v) {
        EXPECT_TRUE(ev->fields().empty()) << "step " << i;
        continue;
      }
      EXPECT_TRUE(std::isfinite(*v)) << "step " << i;
      EXPECT_EQ(field_names(*ev), c.fields) << "step " << i;
    }
  }
}

TEST(Contract, UnusableStepsLeaveNoTrace) {
  // A NaN close (every type) and, for bar types, a bar with high below low
  // in the middle of the series: nothing on that step, and every later
  // value as if the step had not happened. The outputs of the last value
  // stay available across the rejected step.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const auto& bars = fixture_bars();
  const std::size_t at = 40;
  for (const ContractCase& c : cases()) {
    SCOPED_TRACE(c.name);
    std::vector<Candle> bad{Candle{0, 100, 101, 99, nan, 1}};
    if (c.reads_bar) bad.push_back(Candle{0, 100, 99, 101, 100, 1});
    for (const Candle& b : bad) {
      IndicatorBox clean = build(c.name, c.params);
      IndicatorBox dirty = build(c.name, c.params);
      ASSERT_TRUE(clean && dirty);
      for (std::size_t i = 0; i < bars.size(); ++i) {
        if (i == at) {
          OutputList before = dirty->fields();
          EXPECT_FALSE(step(*dirty, b).has_value());
          OutputList after = dirty->fields();
          ASSERT_EQ(after.size(), before.size());
          for (std::size_t k = 0; k < after.size(); ++k) EXPECT_EQ(after[k].value, before[k].value);
        }
        auto want = step(*clean, bars[i]);
        auto got = step(*dirty, bars[i]);
        ASSERT_EQ(got.has_value(), want.has_value()) << "step " << i;
        if (got) {
          EXPECT_EQ(*got, *want) << "step " << i;
        }
      }
    }
  }
}

TEST(Contract, CloseTypesIgnoreTheRestOfTheBar) {
  // Close-only types take a bar whose high is below its low as an ordinary
  // step: the same values as a flat bar at that close.
  for (const ContractCase& c : cases()) {
    if (c.reads_bar) continue;
    SCOPED_TRACE(c.name);
    IndicatorBox odd = build(c.name, c.params);
    IndicatorBox flat = build(c.name, c.params);
    ASSERT_TRUE(odd && flat);
    for (const Candle& b : fixture_bars()) {
      auto got = step(*odd, Candle{0, b.close, b.low, b.high, b.close, -1});
      auto want = step(*flat, bar_of(b.close));
      ASSERT_EQ(got.has_value(), want.has_value());
      if (got) {
        EXPECT_EQ(*got, *want);
      }
    }
  }
}

}  // namespace
}  // namespace tolvex::test
