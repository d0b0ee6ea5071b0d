#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scan/spec.h"

namespace tolvex::screener {
namespace {

Expr close() {
  return Expr::price(PriceField::Close);
}

// Number texts worked out by hand: integral values print as int64 (with
// saturation at the 2^63 boundaries), others as the shortest decimal that
// reads back to the same double, never with an exponent.
TEST(LabelNumber, IntegersSaturateAndFractionsAvoidExponents) {
  constexpr double kTwo63 = 9223372036854775808.0;
  struct Case {
    double v;
    const char* text;
  } cases[] = {
      {20.0, "20"},
      {-3.0, "-3"},
      {0.0, "0"},
      {-0.0, "0"},
      {2.5, "2.5"},
      {-0.5, "-0.5"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1e-7, "0.0000001"},
      {2251799813685248.5, "2251799813685248.5"},  // 2^51 + 0.5, exact
      {1e15, "1000000000000000"},
      {1e20, "9223372036854775807"},
      {kTwo63, "9223372036854775807"},
      {-kTwo63, "-9223372036854775808"},
      {-1e20, "-9223372036854775808"},
      {9007199254740993.0, "9007199254740992"},  // rounds to 2^53 when parsed
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
  };
  for (const Case& c : cases) EXPECT_EQ(label_number(c.v), c.text) << c.text;
}

TEST(ExprLabel, EveryVariant) {
  struct Case {
    Expr e;
    const char* label;
  } cases[] = {
      {Expr::constant(20.0), "const(20)"},
      {Expr::constant(1e-7), "const(0.0000001)"},
      {Expr::price(PriceField::Open), "price.open"},
      {Expr::price(PriceField::High), "price.high"},
      {Expr::price(PriceField::Low), "price.low"},
      {close(), "price.close"},
      {Expr::price(PriceField::Volume), "price.volume"},
      {Expr::price(PriceField::Hlc3), "price.hlc3"},
      {Expr::price(PriceField::Ohlc4), "price.ohlc4"},
      {Expr::indicator("Sma", {20.0}), "Sma(20)"},
      {Expr::indicator("X", {0.5, 2}), "X(0.5,2)"},
      {Expr::indicator("Obv"), "Obv()"},
      {Expr::indicator("BollingerBands", {20, 2}, "upper"), "BollingerBands(20,2).upper"},
      {Expr::indicator("Weird", {-0.0, 1e20, -2.25}), "Weird(0,9223372036854775807,-2.25)"},
      {Expr::prev(Expr::price(PriceField::Hlc3), 3), "prev(price.hlc3,3)"},
      {Expr::prev(close(), 0), "prev(price.close,0)"},
      {Expr::prev(close(), 4294967295u), "prev(price.close,4294967295)"},
      {Expr::arith(ArithOp::Add, Expr::price(PriceField::High), Expr::price(PriceField::Low)),
       "add(price.high,price.low)"},
      {Expr::arith(ArithOp::Sub, close(), Expr::constant(1)), "sub(price.close,const(1))"},
      {Expr::arith(ArithOp::Mul, close(), Expr::constant(0.25)), "mul(price.close,const(0.25))"},
      {Expr::arith(ArithOp::Div, Expr::arith(ArithOp::Sub, Expr::indicator("Sma", {20}), close()),
                   Expr::prev(Expr::indicator("Macd", {12, 26, 9}, "signal"), 2)),
       "div(sub(Sma(20),price.close),prev(Macd(12,26,9).signal,2))"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.e.label(), c.label);
}

TEST(ExprLabel, BaseLabelDropsFieldSoEqualParamsShareAnEvaluator) {
  Expr::Indicator a{"Sma", {20.0}, "x"};
  Expr::Indicator b{"Sma", {20}, std::nullopt};
  EXPECT_EQ(a.base_label(), "Sma(20)");
  EXPECT_EQ(a.label(), "Sma(20).x");
  EXPECT_EQ(a.base_label(), b.base_label());
  EXPECT_EQ(b.label(), "Sma(20)");
}

TEST(ExprLabel, AppendLabelExtendsExistingText) {
  std::string out = "key=";
  Expr::prev(close(), 1).append_label(out);
  EXPECT_EQ(out, "key=prev(price.close,1)");
}

TEST(SpecModel, CopiesAreDeepAndEqual) {
  ScanSpec s;
  s.universe = {"A", "A", "B"};
  s.condition = Condition::negate(
      Condition::all({Condition::cmp(Expr::prev(close(), 1), CmpOp::Lt, close()),
                      Condition::breadth(Condition::rising(close(), 2), CmpOp::Ge, 0.5)}));
  s.rank = RankSpec{Expr::indicator("Rsi", {14}), true};
  ScanSpec copy = s;
  EXPECT_EQ(copy, s);
  // Changing the copy's nested child must not reach the original.
  auto& all =
      std::get<Condition::All>(std::get<Condition::Not>(copy.condition.node).condition->node);
  std::get<Condition::Cmp>(all.conditions[0].node).left = Expr::constant(1);
  EXPECT_NE(copy, s);
  EXPECT_EQ(std::get<Condition::Cmp>(
                std::get<Condition::All>(s.condition.as<Condition::Not>()->condition->node)
                    .conditions[0]
                    .node)
                .left.label(),
            "prev(price.close,1)");
}

TEST(SpecModel, EnumNames) {
  EXPECT_EQ(to_string(CmpOp::CrossesAbove), "crosses_above");
  EXPECT_EQ(to_string(CmpOp::CrossesBelow), "crosses_below");
  EXPECT_EQ(to_string(CrossSectionMetric::PercentileRank), "percentile_rank");
  EXPECT_EQ(to_string(CrossSectionMetric::ZScore), "z_score");
  EXPECT_EQ(to_string(ArithOp::Div), "div");
}

}  // namespace
}  // namespace tolvex::screener
