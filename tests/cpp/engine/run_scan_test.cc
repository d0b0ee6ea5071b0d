#include <gtest/gtest.h>

#include "engine_fixtures.h"
#include "scan/engine.h"

namespace tolvex::screener {
namespace {

using namespace testing;

SymbolSeries series(const std::vector<std::pair<std::int64_t, double>>& bars) {
  SymbolSeries s;
  for (const auto& [t, c] : bars) s.candles.push_back(bar(c, 1, t));
  return s;
}

std::string scan(const ScanSpec& spec, const ScanData& data, ScanOptions options = {}) {
  auto r = run_scan(spec, data, options);
  return r.ok() ? write_result(*r) : "error: " + r.error().display();
}

const Condition kPositive = Condition::cmp(close(), CmpOp::Gt, num(0));

TEST(RunScan, MissingStaleAndIgnoredSymbols) {
  ScanSpec spec = spec_of(kPositive, {"C", "A", "E", "B", "D", "E"});
  EXPECT_EQ(scan(spec, {}),
            "{\"matches\":[],\"scanned\":0,\"missing\":[\"C\",\"A\",\"E\",\"B\",\"D\"]}");

  ScanData data;
  data["A"] = series({{5, 1}, {10, 2}});
  data["B"] = series({{10, 3}});
  data["C"] = series({{7, 4}});
  data["D"] = series({});
  // Outside the universe: never validated, so its bad books do not matter.
  data["Z"] = series({{99, 1}});
  data["Z"].books = std::vector<OrderBook>{};
  EXPECT_EQ(scan(spec, data),
            "{\"matches\":[{\"symbol\":\"A\",\"matched\":true,\"values\":{\"price.close\":2.0}},"
            "{\"symbol\":\"B\",\"matched\":true,\"values\":{\"price.close\":3.0}},"
            "{\"symbol\":\"C\",\"matched\":true,\"values\":{\"price.close\":4.0}}],"
            "\"scanned\":4,\"missing\":[\"E\"],\"stale\":[\"C\"]}");
  // The candle-less D matches only a negation.
  spec.condition = Condition::negate(kPositive);
  spec.timeframe = "1d";
  EXPECT_EQ(scan(spec, data),
            "{\"matches\":[{\"symbol\":\"D\",\"matched\":true,\"values\":{}}],"
            "\"scanned\":4,\"missing\":[\"E\"],\"stale\":[\"C\"],\"timeframe\":\"1d\"}");
}

TEST(RunScan, ErrorsInTheirOrder) {
  const auto uses = [](Expr e) {
    return spec_of(Condition::cmp(std::move(e), CmpOp::Gt, num(0)), {"A", "B"});
  };
  ScanData data;
  data["A"] = series({{1, 1}});
  data["B"] = series({{1, 1}, {2, 2}});
  data["B"].books = std::vector<OrderBook>(1);

  // The spec is checked before any data.
  ScanSpec empty = uses(close());
  empty.universe.clear();
  EXPECT_EQ(scan(empty, data), "error: bad spec: universe is empty");
  // Series lengths before feed requirements.
  EXPECT_EQ(scan(uses(Expr::indicator("VarianceRatio", {5, 3})), data),
            "error: B: books feed length 1 does not match 2 candles");
  data["B"].books.reset();
  EXPECT_EQ(scan(uses(Expr::indicator("VarianceRatio", {5, 3})), data),
            "error: indicator VarianceRatio needs the reference feed, which this scan does not "
            "supply");
  // A direct unregistered operand fails the feed check with its bare name;
  // nested, it passes the check and fails when the evaluators are built.
  EXPECT_EQ(scan(uses(Expr::indicator("Foo")), data), "error: unknown indicator: Foo");
  EXPECT_EQ(scan(uses(Expr::prev(Expr::indicator("Foo"), 1)), data),
            "error: unknown indicator: Foo: unknown indicator type: Foo");
  // Nothing scanned: no check, no build.
  EXPECT_EQ(scan(uses(Expr::indicator("Foo")), {}),
            "{\"matches\":[],\"scanned\":0,\"missing\":[\"A\",\"B\"]}");
}

TEST(RunScan, ReferenceSymbolSuppliesTheFeedAndSynchronisesSteps) {
  // X steps at 1, 2, 3; Y at 2 and 3; Z's times run 1, 3, 2, so stepped
  // together it stops at its out-of-order candle and ends on close 30. The
  // reference-fed VarianceRatio passes the feed check but has no value yet.
  ScanData data;
  data["X"] = series({{1, 1}, {2, 2}, {3, 3}});
  data["Y"] = series({{2, 5}, {3, 6}});
  data["Z"] = series({{1, 10}, {3, 30}, {2, 20}});
  ScanSpec spec = spec_of(
      Condition::cmp(Expr::indicator("VarianceRatio", {4, 2}), CmpOp::Ne, num(0)), {"X", "Y", "Z"});
  spec.condition = Condition::all({Condition::cmp(Expr::prev(close(), 1), CmpOp::Gt, num(0)),
                                   Condition::any({spec.condition, Condition::all({})})});
  spec.reference = "X";
  // Z is stale: its last candle (time 2) is older than the others' 3.
  EXPECT_EQ(
      scan(spec, data),
      "{\"matches\":[{\"symbol\":\"X\",\"matched\":true,\"values\":{\"prev(price.close,1)\":2.0}},"
      "{\"symbol\":\"Y\",\"matched\":true,\"values\":{\"prev(price.close,1)\":5.0}},"
      "{\"symbol\":\"Z\",\"matched\":true,\"values\":{\"prev(price.close,1)\":10.0}}],"
      "\"scanned\":3,\"stale\":[\"Z\"]}");
  // In parallel mode every series is stepped to its end.
  spec.reference.reset();
  spec.condition = Condition::cmp(Expr::prev(close(), 1), CmpOp::Gt, num(0));
  EXPECT_NE(scan(spec, data)
                .find("{\"symbol\":\"Z\",\"matched\":true,\"values\":{"
                      "\"prev(price.close,1)\":30.0}}"),
            std::string::npos);
}

TEST(RunScan, SynchronisedStepsSeeTheLatestReferenceClose) {
  // R is the reference symbol and has no bar at 4; A (stepped before R in
  // symbol order) must see R's close of the same step, and at 4 R's close
  // of 3. B brings its own reference series (close 5), which wins. R
  // against itself has a constant spread: ratio 1. Expected ratios from a
  // small independent Python calculation of the variance ratio (n 4, q 2)
  // over the spreads close - reference: A's spreads 9, 12, 11, 18, 13.
  ScanData data;
  data["R"] = series({{1, 10}, {2, 11}, {3, 13}, {5, 12}, {6, 16}});
  data["A"] = series({{2, 20}, {3, 25}, {4, 24}, {5, 30}, {6, 29}});
  data["B"] = data["A"];
  data["B"].reference = std::vector<Candle>(5, bar(5));
  const Expr ratio = Expr::indicator("VarianceRatio", {4, 2});
  ScanSpec spec =
      spec_of(Condition::all({Condition::cmp(ratio, CmpOp::Gt, num(-1e300)),
                              Condition::cmp(Expr::prev(ratio, 1), CmpOp::Gt, num(-1e300))}),
              {"A", "B", "R"});
  spec.reference = "R";
  EXPECT_EQ(scan(spec, data),
            "{\"matches\":[{\"symbol\":\"A\",\"matched\":true,\"values\":{"
            "\"VarianceRatio(4,2)\":0.30357143,\"prev(VarianceRatio(4,2),1)\":0.375}},"
            "{\"symbol\":\"B\",\"matched\":true,\"values\":{"
            "\"VarianceRatio(4,2)\":0.25,\"prev(VarianceRatio(4,2),1)\":0.25872093}},"
            "{\"symbol\":\"R\",\"matched\":true,\"values\":{"
            "\"VarianceRatio(4,2)\":1.0,\"prev(VarianceRatio(4,2),1)\":1.0}}],\"scanned\":3}");
}

TEST(RunScan, NestedIndicatorsAreExemptFromTheFeedCheck) {
  // Without a reference the nested ratio passes the check and never yields,
  // so only the negation matches.
  ScanData data;
  data["A"] = series({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
  const Condition nested =
      Condition::cmp(Expr::prev(Expr::indicator("VarianceRatio", {4, 2}), 0), CmpOp::Gt, num(0));
  EXPECT_EQ(scan(spec_of(nested), data), "{\"matches\":[],\"scanned\":1}");
  EXPECT_EQ(scan(spec_of(Condition::negate(nested)), data),
            "{\"matches\":[{\"symbol\":\"A\",\"matched\":true,\"values\":{}}],\"scanned\":1}");
}

TEST(RunScan, BreadthStatesOnlyInSynchronisedScans) {
  ScanData data;
  data["A"] = series({{1, 0}, {2, 1}});  // a first close of 0 makes the box 0
  ScanSpec spec = spec_of(kPositive);
  EXPECT_EQ(scan(spec, data).rfind("{\"matches\":[{\"symbol\":\"A\"", 0), 0u);
  spec.reference = "A";
  EXPECT_EQ(scan(spec, data),
            "error: bad spec: breadth point-and-figure: invalid period: box_size must be finite "
            "and positive");
}

TEST(RunScan, ModesAndPoolSizesAgree) {
  // A fast/slow crossing plus a rank over 40 symbols with wavy closes.
  ScanData data;
  std::vector<std::string> universe;
  for (int k = 0; k < 40; ++k) {
    std::vector<std::pair<std::int64_t, double>> bars;
    for (int i = 0; i < 120; ++i)
      bars.push_back({i, 100 + 10 * std::sin((i + k * 7) * 0.21) + k * 0.1});
    std::string name = "S";
    name += std::to_string(100 + k);
    data[name] = series(bars);
    universe.push_back(name);
  }
  ScanSpec spec =
      spec_of(Condition::any({Condition::cmp(Expr::indicator("Ema", {5}), CmpOp::CrossesAbove,
                                             Expr::indicator("Sma", {20})),
                              Condition::rising(Expr::indicator("Sma", {20}), 3)}),
              universe);
  spec.rank = RankSpec{Expr::arith(ArithOp::Sub, close(), Expr::indicator("Sma", {20})), true};
  spec.limit = 15;
  const std::string all = scan(spec, data);
  EXPECT_NE(all.find("\"score\":"), std::string::npos);
  EXPECT_EQ(scan(spec, data, {1}), all);
  spec.reference = universe[0];  // same data, stepped together
  EXPECT_EQ(scan(spec, data), all);
}

}  // namespace
}  // namespace tolvex::screener
