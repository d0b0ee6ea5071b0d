// Median channel and Bomar bands: the deviation lists are built by merging
// outward from the centre of the sorted window; check them against a plain
// sort of the deviations on windows wide enough to matter.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "band_series.h"

namespace tolvex::testing {
namespace {

double quantile(std::vector<double> d, double q) {
  std::sort(d.begin(), d.end());
  double v = q * static_cast<double>(d.size() - 1);
  std::size_t i = static_cast<std::size_t>(v);
  if (i + 1 >= d.size()) return d.back();
  return d[i] + (v - static_cast<double>(i)) * (d[i + 1] - d[i]);
}

std::vector<Candle> random_closes(std::size_t count, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> pick(-40, 40);  // coarse grid: many ties
  std::vector<Candle> out;
  for (std::size_t i = 0; i < count; ++i) out.push_back(flat(100 + 0.25 * pick(rng)));
  return out;
}

std::vector<double> window_at(const std::vector<Candle>& bars, std::size_t t, std::size_t n) {
  std::vector<double> w;
  for (std::size_t i = t + 1 - n; i <= t; ++i) w.push_back(bars[i].close);
  return w;
}

TEST(MedianChannel, MatchesSortedAbsoluteDeviations) {
  for (std::size_t n : {32u, 33u}) {
    auto e = build("MedianChannel", {static_cast<double>(n), 1.5});
    auto bars = random_closes(200, static_cast<unsigned>(n));
    auto steps = run(*e, bars);
    for (std::size_t t = n - 1; t < bars.size(); ++t) {
      auto w = window_at(bars, t, n);
      double median = quantile(w, 0.5);
      std::vector<double> dev;
      for (double x : w) dev.push_back(std::fabs(x - median));
      double mad = quantile(dev, 0.5);
      ASSERT_EQ(field(steps[t], "middle"), median) << n << " " << t;
      ASSERT_EQ(field(steps[t], "upper"), median + 1.5 * mad) << n << " " << t;
      ASSERT_EQ(field(steps[t], "lower"), median - 1.5 * mad) << n << " " << t;
    }
  }
}

TEST(BomarBands, MatchesSortedRelativeDeviations) {
  for (std::size_t n : {7u, 40u}) {
    auto e = build("BomarBands", {static_cast<double>(n), 0.85});
    auto bars = random_closes(200, static_cast<unsigned>(n) + 1);
    auto steps = run(*e, bars);
    for (std::size_t t = n - 1; t < bars.size(); ++t) {
      auto w = window_at(bars, t, n);
      double sum = -0.0;
      for (double x : w) sum += x;
      double mean = sum / static_cast<double>(n);
      std::vector<double> dev;
      for (double x : w) dev.push_back(std::fabs(x - mean) / std::fabs(mean));
      double spread = std::fabs(mean) * quantile(dev, 0.85);
      ASSERT_EQ(field(steps[t], "upper"), mean + spread) << n << " " << t;
      ASSERT_EQ(field(steps[t], "lower"), mean - spread) << n << " " << t;
    }
  }
}

TEST(BomarBands, ZeroMeanGivesEqualBandsAtZero) {
  auto e = build("BomarBands", {4, 0.5});
  auto steps = run(*e, closes({-2, 2, -1, 1}));
  EXPECT_EQ(names(steps[3].fields), (std::vector<std::string_view>{"upper", "middle", "lower"}));
  for (const NamedOutput& o : steps[3].fields) EXPECT_EQ(o.value, 0.0) << o.name;
}

TEST(BomarBands, FullCoverageReachesTheFarthestClose) {
  auto e = build("BomarBands", {4, 1});
  auto steps = run(*e, closes({10, 12, 9, 13}));  // mean 11, farthest close 2 away
  EXPECT_EQ(field(steps[3], "upper"), 13);
  EXPECT_EQ(field(steps[3], "lower"), 9);
}

}  // namespace
}  // namespace tolvex::testing
