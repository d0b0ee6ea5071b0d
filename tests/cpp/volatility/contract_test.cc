// Behaviour every volatility type shares: the first value comes exactly at
// the declared warm-up and values never stop, and an unusable step gives no
// value and leaves the state as if the step had not happened.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "series.h"

namespace tolvex::testing {
namespace {

// What the type reads, which decides the steps it must skip.
enum class Reads { Bar, FiniteClose, PositiveClose, Cone };

struct Row {
  const char* name;
  std::vector<double> params;
  std::size_t warmup;
  Reads reads;
};

const Row kRows[] = {
    {"Atr", {5}, 5, Reads::Bar},
    {"AverageDailyRange", {5, 0}, 5, Reads::Bar},
    {"BipowerVariation", {5}, 6, Reads::PositiveClose},
    {"ChaikinVolatility", {4, 3}, 7, Reads::Bar},
    {"EwmaVolatility", {0.9}, 2, Reads::PositiveClose},
    {"Garch11", {1e-5, 0.1, 0.85}, 2, Reads::PositiveClose},
    {"GarmanKlassVolatility", {5, 252}, 5, Reads::Bar},
    {"HighLowRange", {}, 1, Reads::Bar},
    {"HistoricalVolatility", {5, 252}, 6, Reads::PositiveClose},
    {"JumpIndicator", {5, 2}, 7, Reads::PositiveClose},
    {"MassIndex", {3, 4}, 8, Reads::Bar},
    {"Natr", {5}, 5, Reads::Bar},
    {"ParkinsonVolatility", {5, 252}, 5, Reads::Bar},
    {"RealizedVolatility", {5}, 6, Reads::PositiveClose},
    {"RogersSatchellVolatility", {5, 252}, 5, Reads::Bar},
    {"RviVolatility", {4}, 7, Reads::FiniteClose},
    {"TrueRange", {}, 1, Reads::Bar},
    {"VolatilityCone", {3, 4}, 7, Reads::Cone},
    {"VolatilityOfVolatility", {3, 4}, 7, Reads::PositiveClose},
    {"VolatilityRatio", {4}, 6, Reads::Bar},
    {"YangZhangVolatility", {5, 252}, 6, Reads::Bar},
};

// One bar per calendar day, with gaps, trends and reversals.
std::vector<Bar> series() {
  std::vector<Bar> bars;
  double prev = 100;
  for (int i = 0; i < 40; ++i) {
    double c = 100 + 10 * std::sin(i * 0.7) + i * 0.3;
    double o = prev + 0.4 * std::cos(i * 1.3);
    double h = std::max(o, c) + 1 + (i % 3) * 0.5;
    double l = std::min(o, c) - 1 - (i % 2) * 0.3;
    bars.push_back({o, h, l, c, int64_t{i} * 86400000});
    prev = c;
  }
  return bars;
}

class Contract : public ::testing::TestWithParam<Row> {};

TEST_P(Contract, FirstValueAtWarmupAndNeverStops) {
  const Row& r = GetParam();
  IndicatorBox e = make(r.name, r.params);
  EXPECT_EQ(e->warmup(), r.warmup);
  auto got = run(*e, series());
  // Values start with the second calendar day, whatever the day count.
  std::size_t first = std::string(r.name) == "AverageDailyRange" ? 2 : r.warmup;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].has_value(), i + 1 >= first) << "bar " << i + 1;
    if (got[i]) {
      EXPECT_TRUE(std::isfinite(*got[i])) << "bar " << i + 1;
    }
  }
  if (std::string(r.name) != "VolatilityCone") {
    EXPECT_TRUE(e->fields().empty());
  }
}

TEST_P(Contract, UnusableStepChangesNothing) {
  const Row& r = GetParam();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<Bar> bad = {{100, 101, 99, nan, 0}, {100, 101, 99, inf, 0}};
  if (r.reads == Reads::Bar) bad.push_back({100, 99, 101, 100, 0});  // high below low
  if (r.reads == Reads::PositiveClose) {
    bad.push_back(flat(0));
    bad.push_back({-1, -1, -2, -2, 0});
  }
  std::vector<Bar> clean = series();
  auto want = run(r.name, r.params, clean);
  for (const Bar& b : bad) {
    for (std::size_t at : {std::size_t{1}, std::size_t{12}}) {
      std::vector<Bar> with_bad = clean;
      Bar inserted = b;
      inserted.time = clean[at - 1].time;  // same day as its neighbour
      with_bad.insert(with_bad.begin() + static_cast<std::ptrdiff_t>(at), inserted);
      auto got = run(r.name, r.params, with_bad);
      EXPECT_FALSE(got[at]) << r.name << " close " << b.close << " at " << at;
      got.erase(got.begin() + static_cast<std::ptrdiff_t>(at));
      expect_series(got, want, 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Contract, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvex::testing
