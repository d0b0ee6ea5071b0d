#include "feeds/live_universe.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"
#include "scan/result_writer.h"

namespace tolvex::screener {
namespace {

using namespace testing;

LiveStep no_feeds() {
  return {};
}

LiveStep with_reference(double v) {
  LiveStep s;
  s.reference = v;
  s.supplied.reference = true;
  return s;
}

TEST(LiveUniverse, FeedsAndEvaluatesPerSymbol) {
  ScanSpec spec = spec_of(
      Condition::cross_section(Expr::indicator("Sma", {2}), CrossSectionMetric::Rank, CmpOp::Le, 1),
      {"B", "A", "C", "A"});
  LiveUniverse live;
  EXPECT_EQ(write_result(live.evaluate(spec)),
            "{\"matches\":[],\"scanned\":0,\"missing\":[\"B\",\"A\",\"C\"]}");

  const Status<ScreenerError> outside = live.apply_step(spec, "Q", bar(1), no_feeds());
  ASSERT_FALSE(outside.ok());
  EXPECT_EQ(outside.error().display(), "symbol Q is not in the spec's universe");
  EXPECT_EQ(live.size(), 0u);

  // Unrelated timestamps; each symbol is read at its own latest step. C has
  // one bar, short of Sma(2)'s warm-up, so it is not ranked.
  ASSERT_TRUE(live.apply_step(spec, "A", bar(1, 1, 100), no_feeds()).ok());
  ASSERT_TRUE(live.apply_step(spec, "A", bar(3, 1, 50), no_feeds()).ok());
  ASSERT_TRUE(live.apply_step(spec, "B", bar(4, 1, 7), no_feeds()).ok());
  ASSERT_TRUE(live.apply_step(spec, "B", bar(4, 1, 8), no_feeds()).ok());
  ASSERT_TRUE(live.apply_step(spec, "C", bar(99, 1, 1), no_feeds()).ok());
  EXPECT_EQ(write_result(live.evaluate(spec)),
            "{\"matches\":[{\"symbol\":\"B\",\"matched\":true,"
            "\"values\":{\"Sma(2)\":4.0,\"Sma(2)#rank\":1.0}}],\"scanned\":3}");

  // After clearing, warm-up starts over.
  live.clear();
  ASSERT_TRUE(live.apply_step(spec, "B", bar(4), no_feeds()).ok());
  EXPECT_EQ(write_result(live.evaluate(spec)),
            "{\"matches\":[],\"scanned\":1,\"missing\":[\"A\",\"C\"]}");
}

TEST(LiveUniverse, FeedRequirementsAreCheckedOnEveryStep) {
  const ScanSpec spec =
      spec_of(Condition::cmp(Expr::indicator("VarianceRatio", {4, 2}), CmpOp::Gt, num(-1e300)));
  LiveUniverse live;
  ASSERT_TRUE(live.apply_step(spec, "A", bar(1), with_reference(1)).ok());
  const Status<ScreenerError> missing = live.apply_step(spec, "A", bar(2), no_feeds());
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().display(),
            "indicator VarianceRatio needs the reference feed, which this scan does not supply");
  EXPECT_EQ(live.size(), 1u);
}

TEST(LiveUniverse, FailedBuildStoresNothing) {
  const ScanSpec spec =
      spec_of(Condition::cmp(Expr::prev(Expr::indicator("Foo", {1}), 1), CmpOp::Gt, num(0)));
  LiveUniverse live;
  for (int i = 0; i < 2; ++i) {
    const Status<ScreenerError> r = live.apply_step(spec, "A", bar(1), no_feeds());
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().display(), "unknown indicator: Foo: unknown indicator type: Foo");
  }
  EXPECT_EQ(live.size(), 0u);
}

}  // namespace
}  // namespace tolvex::screener
