#include "scan/synchronised.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine_fixtures.h"

namespace tolvex::screener {
namespace {

using namespace testing;

SymbolSeries series(const std::vector<Candle>& candles) {
  SymbolSeries s;
  s.candles = candles;
  return s;
}

// What one step saw, written out: "k@time ref=r cs=timestamp/members".
std::string seen(std::size_t k, const IndicatorInput& in) {
  std::string out = std::to_string(k) + "@" + std::to_string(in.candle.time);
  out += " ref=" + (in.reference ? std::to_string(static_cast<int>(*in.reference)) : "-");
  out += " cs=";
  if (!in.cross_section) return out + "-";
  out += std::to_string(in.cross_section->timestamp) + "/";
  for (const CrossSectionMember& m : in.cross_section->members)
    out += std::to_string(static_cast<int>(m.change));
  return out;
}

TEST(StepSynchronised, ReferenceAndSnapshotPerStep) {
  // 0 is the reference symbol with bars at 1, 2, 4; 1 has bars at 2, 3, 4,
  // an infinite volume at 4 (so 4 has no snapshot); 2 brings its own
  // cross-sections (timestamp 9) and reference (close 7). Snapshot members
  // list the changes of the active symbols in index order.
  std::vector<SymbolSeries> data = {
      series({bar(10, 1, 1), bar(11, 1, 2), bar(14, 1, 4)}),
      series({bar(20, 1, 2), bar(23, 1, 3), bar(21, INFINITY, 4)}),
      series({bar(5, 1, 1), bar(6, 1, 3)}),
  };
  data[2].sections = std::vector<CrossSection>(2);
  for (CrossSection& cs : *data[2].sections) cs.timestamp = 9;
  data[2].reference = std::vector<Candle>(2, bar(7));
  const std::vector<const SymbolSeries*> view = {&data[0], &data[1], &data[2]};
  std::vector<BreadthState> breadth;
  for (int k = 0; k < 3; ++k) breadth.push_back(BreadthState::make({}).value());

  std::vector<std::string> steps;
  ASSERT_TRUE(step_synchronised(view, 0, breadth, [&](std::size_t k, const IndicatorInput& in) {
                steps.push_back(seen(k, in));
              }).ok());
  EXPECT_EQ(steps, (std::vector<std::string>{
                       "0@1 ref=10 cs=1/00",
                       "2@1 ref=7 cs=9/",
                       "0@2 ref=11 cs=2/10",
                       "1@2 ref=11 cs=2/10",
                       "1@3 ref=11 cs=3/31",  // no reference bar at 3: its close at 2
                       "2@3 ref=7 cs=9/",
                       "0@4 ref=14 cs=-",
                       "1@4 ref=14 cs=-",
                   }));
}

TEST(StepSynchronised, BreadthErrorEndsTheWalk) {
  const SymbolSeries zero = series({bar(0, 1, 1)});
  const std::vector<const SymbolSeries*> view = {&zero};
  std::vector<BreadthState> breadth;
  breadth.push_back(BreadthState::make({}).value());
  int calls = 0;
  const auto r = step_synchronised(view, std::nullopt, breadth,
                                   [&](std::size_t, const IndicatorInput&) { ++calls; });
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().text,
            "breadth point-and-figure: invalid period: box_size must be finite and positive");
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace tolvex::screener
