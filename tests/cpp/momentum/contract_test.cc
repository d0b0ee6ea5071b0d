// Rules every momentum type follows: the first value arrives exactly at the
// declared warm-up, an unusable step changes nothing, and only Kst publishes
// named outputs.
#include <cstdint>

#include "momentum/series.h"

namespace tolvex::momentum_test {
namespace {

struct Case {
  const char* name;
  std::vector<double> params;
  bool reads_bar;   // validates the whole bar (else reads only the close)
  long first = -1;  // 0-based index of the first value when it differs from warmup - 1
};

// Every type with typical parameters.
const std::vector<Case> kCases = {
    {"AdaptiveCci", {5}, true},
    {"AdaptiveRsi", {4}, false},
    {"AnchoredRsi", {}, false},
    {"BalanceOfPower", {}, true},
    {"Cci", {5}, true},
    {"Cfo", {5}, false},
    {"Cmo", {4}, false},
    {"ConnorsRsi", {3, 2, 6}, false},
    {"Coppock", {4, 3, 5}, false},
    {"DerivativeOscillator", {4, 3, 2, 3}, false},
    {"DisparityIndex", {5}, false},
    {"Dpo", {6}, false},
    {"DynamicMomentumIndex", {14}, false},
    {"FisherRsi", {4}, false},
    {"FisherTransform", {5}, false},
    {"HeikinAshiOscillator", {4}, true},
    {"Inertia", {3, 4}, true},
    {"IntradayMomentumIndex", {4}, true},
    {"InverseFisherTransform", {0.01}, false},
    {"Kst", {2, 3, 4, 5, 2, 2, 2, 3, 3}, false},
    {"LaguerreRsi", {0.5}, false},
    {"Mom", {3}, false},
    {"Pgo", {4}, true},
    {"Pmo", {4, 3}, false, 6},  // declares 2; the first value comes after a + b closes
    {"ProjectionOscillator", {5}, true},
    {"Qstick", {4}, true},
    {"Rmi", {4, 3}, false},
    {"Roc", {3}, false},
    {"Rocp", {3}, false},
    {"Rocr", {3}, false},
    {"Rocr100", {3}, false},
    {"Rsi", {4}, false},
    {"Rsx", {4}, false},
    {"Rvi", {4}, true},
    {"Tii", {4, 3}, false},
    {"Trix", {3}, false},
    {"Tsi", {4, 3}, false},
    {"UltimateOscillator", {2, 4, 6}, true},
    {"UniversalOscillator", {6}, false},
    {"VolumeRsi", {4}, true},
};

// A deterministic random walk of valid bars with varying volume.
std::vector<Bar> walk(std::size_t n) {
  std::vector<Bar> bars;
  uint64_t s = 12345;
  auto next = [&] {
    s = s * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(s >> 11) / 9007199254740992.0;
  };
  double close = 100;
  for (std::size_t i = 0; i < n; ++i) {
    double open = close + (next() - 0.5);
    close = open + (next() - 0.5) * 4;
    double high = std::max(open, close) + next();
    double low = std::min(open, close) - next();
    bars.push_back({open, high, low, close, 1000 + 500 * next()});
  }
  return bars;
}

TEST(MomentumContract, CoversTheWholeFamily) {
  EXPECT_EQ(kCases.size(), momentum_rows().size());
  for (const IndicatorRow& row : momentum_rows()) {
    bool found = false;
    for (const Case& c : kCases) found = found || row.name == c.name;
    EXPECT_TRUE(found) << row.name;
  }
}

TEST(MomentumContract, FirstValueAtWarmupThenEveryStep) {
  std::vector<Bar> bars = walk(120);
  for (const Case& c : kCases) {
    IndicatorBox ev = build(c.name, c.params);
    ASSERT_TRUE(ev);
    Values got = run_bars(*ev, bars);
    long want = c.first >= 0 ? c.first : static_cast<long>(ev->warmup()) - 1;
    EXPECT_EQ(first_value(got), want) << c.name;
    for (std::size_t i = static_cast<std::size_t>(want); i < got.size(); ++i)
      ASSERT_TRUE(got[i].has_value()) << c.name << " step " << i;
  }
}

TEST(MomentumContract, UnusableStepsLeaveNoTrace) {
  // A NaN close (and, for bar types, a bar with high below low) in the middle
  // must give nothing, and the steps around it must equal the clean series.
  std::vector<Bar> clean = walk(80);
  double inf = std::numeric_limits<double>::infinity();
  for (const Case& c : kCases) {
    std::vector<Bar> dirty(clean.begin(), clean.begin() + 40);
    Bar nan_close = clean[40];
    nan_close.close = std::nan("");
    dirty.push_back(nan_close);
    Bar inf_close = clean[40];
    inf_close.close = inf;
    dirty.push_back(inf_close);
    if (c.reads_bar) dirty.push_back({100, 99, 101, 100, 1});
    std::size_t bad = dirty.size() - 40;
    dirty.insert(dirty.end(), clean.begin() + 40, clean.end());

    Values want = run_bars(c.name, c.params, clean);
    Values got = run_bars(c.name, c.params, dirty);
    for (std::size_t i = 0; i < bad; ++i) EXPECT_FALSE(got[40 + i].has_value()) << c.name;
    got.erase(got.begin() + 40, got.begin() + 40 + static_cast<long>(bad));
    expect_values(got, want);
  }
}

TEST(MomentumContract, OnlyKstPublishesFields) {
  std::vector<Bar> bars = walk(60);
  for (const Case& c : kCases) {
    IndicatorBox ev = build(c.name, c.params);
    ASSERT_TRUE(ev);
    EXPECT_TRUE(ev->fields().empty()) << c.name;
    run_bars(*ev, bars);
    OutputList f = ev->fields();
    if (std::string_view(c.name) != "Kst") {
      EXPECT_TRUE(f.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].name, "kst");
    EXPECT_EQ(f[1].name, "signal");
    // The primary value is the first output.
    std::optional<double> v = step(*ev, bars.back());
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, ev->fields()[0].value);
  }
}

}  // namespace
}  // namespace tolvex::momentum_test
