// The input rules every type of the family shares: a skipped non-finite
// close leaves no trace, the declared warm-up is where values start, and
// named outputs are empty before the first value and complete after it.
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

#include "moving_averages/series.h"

namespace tolvex::test {
namespace {

struct Typical {
  const char* name;
  std::vector<double> params;
  std::size_t warmup;  // by hand from the stage lengths
  std::vector<std::string_view> fields;
};

// Warm-ups: Dema 2n-1, Tema 3n-2, T3 6n-5, Hma/Ehma n+s-1 (s = round(sqrt n)),
// Zlema n+(n-1)/2, Kama n+1, Vidya m+1, Mesa 33, HoltWinters 2.
const Typical kTypical[] = {
    {"Alma", {5, 0.85, 6}, 5, {}},
    {"Dema", {4}, 7, {}},
    {"Ehma", {9}, 11, {}},
    {"Ema", {4}, 4, {}},
    {"Evwma", {4}, 4, {}},
    {"Fama", {0.5, 0.05}, 33, {}},
    {"Frama", {6}, 6, {}},
    {"GeneralizedDema", {4, 0.7}, 7, {}},
    {"GeometricMa", {4}, 4, {}},
    {"Hma", {4}, 5, {}},
    {"HoltWinters", {0.5, 0.3}, 2, {}},
    {"Jma", {7, 0, 2}, 1, {}},
    {"Kama", {5, 2, 30}, 6, {}},
    {"MaEnvelope", {4, 0.05}, 4, {"upper", "middle", "lower"}},
    {"Mama", {0.5, 0.05}, 33, {"mama", "fama"}},
    {"McGinleyDynamic", {4}, 4, {}},
    {"MedianMa", {4}, 4, {}},
    {"SineWeightedMa", {4}, 4, {}},
    {"Sma", {4}, 4, {}},
    {"Smma", {4}, 4, {}},
    {"SuperSmoother", {5}, 1, {}},
    {"T3", {3, 0.7}, 13, {}},
    {"TdMovingAverage", {3, 5}, 5, {"st1", "st2"}},
    {"Tema", {4}, 10, {}},
    {"Trima", {5}, 5, {}},
    {"Vidya", {9, 4}, 5, {}},
    {"Vwma", {4}, 4, {}},
    {"Wma", {4}, 4, {}},
    {"Zlema", {6}, 8, {}},
};

// A deterministic random walk of valid bars around 100.
std::vector<Candle> walk(std::size_t n) {
  std::vector<Candle> bars;
  uint64_t s = 12345;
  double close = 100;
  for (std::size_t i = 0; i < n; ++i) {
    s = s * 6364136223846793005ULL + 1442695040888963407ULL;
    double u = static_cast<double>(s >> 11) / 9007199254740992.0;
    double open = close;
    close = open * (1 + (u - 0.5) * 0.04);
    double hi = std::max(open, close) * 1.01, lo = std::min(open, close) * 0.99;
    bars.push_back({static_cast<int64_t>(i), open, hi, lo, close, 1000 * (u + 0.1)});
  }
  return bars;
}

IndicatorBox make(const Typical& t) {
  auto r = build_from(moving_averages_rows(), t.name, t.params);
  EXPECT_TRUE(r.ok()) << t.name;
  return r.ok() ? std::move(r).value() : nullptr;
}

TEST(SharedRules, EveryTypeIsCovered) {
  ASSERT_EQ(std::size(kTypical), moving_averages_rows().size());
  for (std::size_t i = 0; i < std::size(kTypical); ++i)
    EXPECT_EQ(kTypical[i].name, moving_averages_rows()[i].name);
}

TEST(SharedRules, WarmupIsTheFirstValue) {
  std::vector<Candle> bars = walk(60);
  for (const Typical& t : kTypical) {
    SCOPED_TRACE(t.name);
    IndicatorBox ev = make(t);
    ASSERT_TRUE(ev);
    EXPECT_EQ(ev->warmup(), t.warmup);
    Values got = run_bars(*ev, bars);
    EXPECT_EQ(first_value(got) + 1, static_cast<long>(t.warmup));
    for (std::size_t i = t.warmup - 1; i < got.size(); ++i) EXPECT_TRUE(got[i]) << i;
  }
}

TEST(SharedRules, NonFiniteCloseLeavesNoTrace) {
  std::vector<Candle> clean = walk(80);
  for (double bad :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    // Bad closes at an early step (during warm-up) and in the steady state.
    std::vector<Candle> dirty = clean;
    Candle hole = clean[45];
    hole.close = bad;
    dirty.insert(dirty.begin() + 45, hole);
    hole = clean[3];
    hole.close = -bad;
    dirty.insert(dirty.begin() + 3, hole);
    for (const Typical& t : kTypical) {
      SCOPED_TRACE(t.name);
      IndicatorBox a = make(t), b = make(t);
      ASSERT_TRUE(a && b);
      Values want = run_bars(*a, clean);
      Values got = run_bars(*b, dirty);
      EXPECT_FALSE(got[3]);
      EXPECT_FALSE(got[46]);
      got.erase(got.begin() + 46);
      got.erase(got.begin() + 3);
      expect_values(got, want);
    }
  }
}

TEST(SharedRules, FieldsEmptyBeforeFirstValueAndCompleteAfter) {
  std::vector<Candle> bars = walk(50);
  for (const Typical& t : kTypical) {
    SCOPED_TRACE(t.name);
    IndicatorBox ev = make(t);
    ASSERT_TRUE(ev);
    for (std::size_t i = 0; i < bars.size(); ++i) {
      auto v = step(*ev, bars[i]);
      OutputList out = ev->fields();
      if (!v || t.fields.empty()) {
        EXPECT_TRUE(out.empty()) << i;
        continue;
      }
      ASSERT_EQ(out.size(), t.fields.size()) << i;
      for (std::size_t k = 0; k < out.size(); ++k) EXPECT_EQ(out[k].name, t.fields[k]);
      EXPECT_EQ(out[0].value, *v);
    }
    // A step that gives nothing keeps the last outputs available.
    OutputList before = ev->fields();
    Candle bad = bars.back();
    bad.close = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(step(*ev, bad));
    OutputList after = ev->fields();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t k = 0; k < after.size(); ++k) EXPECT_EQ(after[k].value, before[k].value);
  }
}

}  // namespace
}  // namespace tolvex::test
