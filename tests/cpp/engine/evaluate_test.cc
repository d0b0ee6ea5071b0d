#include "scan/evaluate.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine_fixtures.h"

namespace tolvex::screener {
namespace {

using namespace testing;

Expr open() {
  return Expr::price(PriceField::Open);
}

// Evaluates `cond` for a lone symbol whose bars are given oldest first.
bool holds_on(const Condition& cond, const std::vector<Candle>& bars) {
  const Program p = compile_program(spec_of(cond));
  SymbolState s(p, {});
  feed(s, bars);
  const SymbolState* universe[] = {&s};
  ConditionEvaluator eval(p, universe);
  return eval.holds(0);
}

// A bar whose open and close are the two sides of a comparison.
Candle pair(double left, double right) {
  return Candle{0, right, 1e9, -1e9, left, 1};
}

TEST(Holds, ComparisonsAndTolerance) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double l, r;
    CmpOp op;
    bool want;
  } cases[] = {
      {1e6, 1e6 + 0.0005, CmpOp::Eq, true},  // tolerance 1e-9 x 1e6
      {1e6, 1e6 + 0.0005, CmpOp::Ne, false},
      {0.5, 0.5000000011, CmpOp::Eq, false},  // floor of 1e-9 below 1
      {0.5, 0.5000000011, CmpOp::Ne, true},
      {nan, 1, CmpOp::Eq, false},
      {nan, 1, CmpOp::Ne, false},
      {nan, 1, CmpOp::Lt, false},
      {2, 2, CmpOp::Ge, true},
      {2, 2, CmpOp::Gt, false},
      {1, 2, CmpOp::Le, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(holds_on(Condition::cmp(close(), c.op, open()), {pair(c.l, c.r)}), c.want)
        << c.l << " " << c.r << " op " << static_cast<int>(c.op);
}

TEST(Holds, Crossings) {
  const struct {
    Candle earlier, now;
    CmpOp op;
    bool want;
  } cases[] = {
      {pair(2, 1), pair(3, 1), CmpOp::CrossesAbove, false},   // already above
      {pair(1, 1), pair(2, 1), CmpOp::CrossesAbove, true},    // from equality
      {pair(1, 1), pair(1, 0.5), CmpOp::CrossesAbove, true},  // right side fell
      {pair(1, 1), pair(0, 1), CmpOp::CrossesBelow, true},
      {pair(0, 1), pair(-1, 1), CmpOp::CrossesBelow, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(holds_on(Condition::cmp(close(), c.op, open()), {c.earlier, c.now}), c.want);
  // A single step has no earlier value to cross from.
  EXPECT_FALSE(holds_on(Condition::cmp(close(), CmpOp::CrossesAbove, open()), {pair(2, 1)}));
}

TEST(Holds, RangesLookBacksAndBooleans) {
  const auto between = [](double lo, double hi) {
    return Condition::between(close(), num(lo), num(hi));
  };
  EXPECT_TRUE(holds_on(between(3, 5), {bar(5)}));  // bounds inclusive
  EXPECT_TRUE(holds_on(between(3, 5), {bar(3)}));
  EXPECT_FALSE(holds_on(between(5, 3), {bar(4)}));

  EXPECT_TRUE(holds_on(Condition::rising(close(), 2), {bar(1), bar(9), bar(2)}));
  EXPECT_FALSE(holds_on(Condition::rising(close(), 2), {bar(9), bar(2)}));  // too short
  EXPECT_TRUE(holds_on(Condition::falling(close(), 1), {bar(3), bar(2)}));

  // Beyond the history the comparison is false and its negation true.
  const Condition far = Condition::cmp(Expr::prev(close(), 5), CmpOp::Lt, num(100));
  EXPECT_FALSE(holds_on(far, {bar(1), bar(2)}));
  EXPECT_TRUE(holds_on(Condition::negate(far), {bar(1), bar(2)}));

  EXPECT_TRUE(holds_on(Condition::all({}), {bar(1)}));
  EXPECT_FALSE(holds_on(Condition::any({}), {bar(1)}));
  EXPECT_TRUE(holds_on(Condition::negate(Condition::any({})), {bar(1)}));
}

TEST(ValueAt, ArithmeticAndPriceFields) {
  Program q;
  const auto at = [&](Expr e, const std::vector<Candle>& bars, std::uint64_t i = 0) {
    ScanSpec s = spec_of(Condition::cmp(e, CmpOp::Gt, num(0)));
    q = compile_program(s);
    SymbolState st(q, {});
    feed(st, bars);
    return value_at(q, q.conds[q.root].operands[0].expr, st, i);
  };
  const Candle c{0, 1, 4, 0.5, 2, 10};
  EXPECT_EQ(at(Expr::price(PriceField::Hlc3), {c}), (4 + 0.5 + 2) / 3);
  EXPECT_EQ(at(Expr::price(PriceField::Ohlc4), {c}), 7.5 * 0.25);
  EXPECT_FALSE(at(Expr::arith(ArithOp::Div, close(), num(0)), {c}));
  EXPECT_FALSE(at(Expr::arith(ArithOp::Div, num(0), num(0)), {c}));
  EXPECT_FALSE(at(Expr::arith(ArithOp::Mul, num(1e300), num(1e300)), {c}));
  EXPECT_EQ(at(Expr::arith(ArithOp::Sub, num(1e308), num(1e308)), {c}), 0);
  EXPECT_EQ(at(Expr::prev(close(), 1), {bar(7), c}), 7);
  EXPECT_FALSE(at(Expr::prev(close(), 1), {c}));
  EXPECT_EQ(at(num(3), {}, 99), 3);  // constants exist at any index
  EXPECT_FALSE(at(close(), {}));
}

// Four symbols in symbol order with one close each (ready after one step
// as there are no evaluators), evaluated together.
struct Universe {
  explicit Universe(Condition cond, const std::vector<double>& closes, std::size_t unready = 99)
      : program(compile_program(spec_of(std::move(cond)))) {
    for (std::size_t i = 0; i < closes.size(); ++i) {
      states.emplace_back(program, std::vector<IndicatorBox>{});
      if (i != unready) feed_closes(states.back(), {closes[i]});
    }
    for (const SymbolState& s : states) view.push_back(&s);
  }
  std::vector<bool> matches() {
    ConditionEvaluator eval(program, view);
    std::vector<bool> out;
    for (std::size_t i = 0; i < view.size(); ++i) out.push_back(eval.holds(i));
    return out;
  }
  Program program;
  std::vector<SymbolState> states;
  std::vector<const SymbolState*> view;
};

TEST(Holds, CrossSectionOverTheUniverse) {
  // A 3, B 5, C 5, D 1: ranks 3, 1, 2, 4.
  const auto rank_le = [](double v) {
    return Condition::cross_section(close(), CrossSectionMetric::Rank, CmpOp::Le, v);
  };
  EXPECT_EQ(Universe(rank_le(2), {3, 5, 5, 1}).matches(),
            (std::vector<bool>{false, true, true, false}));
  // B never stepped: not ranked, C moves up to first, A to second.
  EXPECT_EQ(Universe(rank_le(2), {3, 5, 5, 1}, 1).matches(),
            (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(Universe(Condition::negate(rank_le(2)), {3, 5, 5, 1}, 1).matches(),
            (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(Universe(Condition::cross_section(close(), CrossSectionMetric::PercentileRank,
                                              CmpOp::Eq, 2.0 / 3),
                     {3, 5, 5, 1})
                .matches(),
            (std::vector<bool>{false, true, true, false}));
  EXPECT_EQ(
      Universe(Condition::cross_section(close(), CrossSectionMetric::Rank, CmpOp::CrossesAbove, 0),
               {3, 5})
          .matches(),
      (std::vector<bool>{false, false}));
}

TEST(Holds, BreadthShareOfReadySymbols) {
  const auto share = [](CmpOp op, double ratio) {
    return Condition::breadth(Condition::cmp(close(), CmpOp::Gt, num(2)), op, ratio);
  };
  // Three of four ready symbols close above 2.
  EXPECT_EQ(Universe(share(CmpOp::Eq, 0.75), {3, 5, 5, 1}).matches(), (std::vector<bool>(4, true)));
  // The unready B is counted neither above nor below: 2 of 3.
  EXPECT_EQ(Universe(share(CmpOp::Eq, 2.0 / 3), {3, 5, 5, 1}, 1).matches(),
            (std::vector<bool>(4, true)));
  // No ready symbol: the share is 0.
  Universe none(share(CmpOp::Le, 0.5), {3}, 0);
  EXPECT_EQ(none.matches(), (std::vector<bool>{true}));
  Universe none_gt(share(CmpOp::Gt, 0), {3}, 0);
  EXPECT_EQ(none_gt.matches(), (std::vector<bool>{false}));
}

TEST(CollectValues, WalksOperandsAndSkipsConstants) {
  Universe u(Condition::all({
                 Condition::rising(close(), 3),
                 Condition::cmp(Expr::price(PriceField::Volume), CmpOp::Gt, num(0)),
                 Condition::any(
                     {Condition::cross_section(close(), CrossSectionMetric::Rank, CmpOp::Le, 1)}),
                 Condition::rising(num(4), 1),
             }),
             {3, 5});
  ConditionEvaluator eval(u.program, u.view);
  std::map<std::string, double> values;
  eval.collect_values(1, values);
  // Rising over a constant reports only its earlier value; the rank is 1.
  // The history holds one step, so prev(price.close,3) is missing.
  const std::map<std::string, double> want = {
      {"price.close", 5}, {"price.volume", 1}, {"price.close#rank", 1}, {"prev(const(4),1)", 4}};
  EXPECT_EQ(values, want);
}

}  // namespace
}  // namespace tolvex::screener
