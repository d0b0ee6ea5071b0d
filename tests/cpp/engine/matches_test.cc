#include "scan/matches.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine_fixtures.h"
#include "scan/result_writer.h"

namespace tolvex::screener {
namespace {

using namespace testing;

// Symbols A.. with one bar each, close and volume given; every symbol whose
// close is positive matches.
struct Scan {
  Scan(ScanSpec s, const std::vector<std::pair<double, double>>& bars) : spec(std::move(s)) {
    program = compile_program(spec);
    for (std::size_t i = 0; i < bars.size(); ++i) {
      names.push_back(std::string(1, static_cast<char>('A' + i)));
      states.emplace_back(program, std::vector<IndicatorBox>{});
      feed(states.back(), {bar(bars[i].first, bars[i].second)});
    }
    for (std::size_t i = 0; i < bars.size(); ++i) {
      symbols.push_back(&names[i]);
      view.push_back(&states[i]);
    }
  }
  std::string run() {
    return write_result(collect_matches(spec, program, symbols, view, names.size(), {}, {}));
  }
  ScanSpec spec;
  Program program;
  std::vector<std::string> names;
  std::vector<SymbolState> states;
  std::vector<const std::string*> symbols;
  std::vector<const SymbolState*> view;
};

ScanSpec positive(std::optional<RankSpec> rank = std::nullopt,
                  std::optional<std::uint64_t> limit = {}) {
  ScanSpec s = spec_of(Condition::cmp(close(), CmpOp::Gt, num(0)));
  s.rank = std::move(rank);
  s.limit = limit;
  return s;
}

TEST(CollectMatches, RankOrderScoresAndLimit) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Expr volume = Expr::price(PriceField::Volume);
  // A scores 7, B 2.5, C has no score (its volume is not finite).
  const std::vector<std::pair<double, double>> bars = {{1, 7}, {2, 2.5}, {3, nan}};
  EXPECT_EQ(
      Scan(positive(RankSpec{volume, true}), bars).run(),
      "{\"matches\":["
      "{\"symbol\":\"A\",\"matched\":true,\"values\":{\"price.close\":1.0,\"price.volume\":7.0},"
      "\"score\":7.0},"
      "{\"symbol\":\"B\",\"matched\":true,\"values\":{\"price.close\":2.0,\"price.volume\":2.5},"
      "\"score\":2.5},"
      "{\"symbol\":\"C\",\"matched\":true,\"values\":{\"price.close\":3.0}}"
      "],\"scanned\":3}");
  const auto order = [&](ScanSpec s, const std::vector<std::pair<double, double>>& b) {
    Scan scan(std::move(s), b);
    ScanResult r = collect_matches(scan.spec, scan.program, scan.symbols, scan.view, 0, {}, {});
    std::string out;
    for (const MatchEntry& m : r.matches) out += m.symbol;
    return out;
  };
  EXPECT_EQ(order(positive(RankSpec{volume, false}), bars), "BAC");
  EXPECT_EQ(order(positive(RankSpec{volume, false}, 1), bars), "B");
  // Scores equal after rounding tie and fall back to symbol order.
  EXPECT_EQ(order(positive(RankSpec{volume, false}), {{1, 1.000000004}, {1, 1.000000001}}), "AB");
  EXPECT_EQ(order(positive(RankSpec{volume, true}), {{1, 1.000000004}, {1, 1.000000001}}), "AB");
  // Without a rank: symbol order, limit applied after.
  EXPECT_EQ(order(positive(std::nullopt, 2), {{1, 1}, {-1, 1}, {1, 1}, {1, 1}}), "AC");
}

TEST(CollectMatches, ConstantRankScoresWithoutReporting) {
  EXPECT_EQ(Scan(positive(RankSpec{num(2), true}), {{1, 1}, {-1, 1}, {1, 1}}).run(),
            "{\"matches\":["
            "{\"symbol\":\"A\",\"matched\":true,\"values\":{\"price.close\":1.0},\"score\":2.0},"
            "{\"symbol\":\"C\",\"matched\":true,\"values\":{\"price.close\":1.0},\"score\":2.0}"
            "],\"scanned\":3}");
}

TEST(ResultWriter, OptionalKeysAndEscapes) {
  ScanResult r;
  r.scanned = 0;
  EXPECT_EQ(write_result(r), "{\"matches\":[],\"scanned\":0}");
  r.missing = {"A\"1", "B"};
  r.stale = {"C"};
  r.timeframe = "1h";
  MatchEntry m;
  m.symbol = "X\n";
  m.values = {{"b", -0.0}, {"a", 1e16}, {"c", std::numeric_limits<double>::infinity()}};
  r.matches.push_back(m);
  r.scanned = 4;
  EXPECT_EQ(write_result(r),
            "{\"matches\":[{\"symbol\":\"X\\n\",\"matched\":true,"
            "\"values\":{\"a\":1e+16,\"b\":-0.0,\"c\":null}}],\"scanned\":4,"
            "\"missing\":[\"A\\\"1\",\"B\"],\"stale\":[\"C\"],\"timeframe\":\"1h\"}");
}

TEST(MissingSymbols, UniverseOrderEachOnce) {
  const std::string b = "B";
  const std::string* present[] = {&b};
  EXPECT_EQ(missing_symbols({"C", "A", "B", "C", "A"}, present),
            (std::vector<std::string>{"C", "A"}));
}

}  // namespace
}  // namespace tolvex::screener
