#include "scan/program.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"

namespace tolvex::screener {
namespace {

using namespace testing;

TEST(Program, HistoryLengthFollowsTheDeepestLookBack) {
  const auto prev = [](Expr e, std::uint32_t n) { return Expr::prev(std::move(e), n); };
  const struct {
    const char* what;
    Condition cond;
    std::uint64_t want;
  } cases[] = {
      {"plain comparison", Condition::cmp(close(), CmpOp::Gt, num(1)), 2},
      {"rising 1", Condition::rising(close(), 1), 2},
      {"rising 5 over prev 2", Condition::rising(prev(close(), 2), 5), 8},
      {"crossing a prev 3", Condition::cmp(prev(close(), 3), CmpOp::CrossesAbove, num(0)), 5},
      {"arithmetic takes the deeper side",
       Condition::cmp(Expr::arith(ArithOp::Add, prev(close(), 2), prev(prev(close(), 1), 4)),
                      CmpOp::Lt, num(0)),
       6},
      {"nested in breadth, not and all",
       Condition::breadth(Condition::negate(Condition::all({Condition::falling(close(), 3)})),
                          CmpOp::Gt, 0.5),
       4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(compile_program(spec_of(c.cond)).history_len, c.want) << c.what;

  ScanSpec ranked = spec_of(Condition::all({}));
  ranked.rank = RankSpec{prev(close(), 9), true};
  EXPECT_EQ(compile_program(ranked).history_len, 10u);
}

TEST(Program, OneEvaluatorPerBaseLabelAndTopLevelOperands) {
  // Sma(20) appears with and without a field and with 20.0; Ema only
  // inside arithmetic, Wma as a plain operand after it; the rank is an
  // indicator too.
  ScanSpec s = spec_of(Condition::all({
      Condition::cmp(Expr::indicator("Sma", {20}), CmpOp::Gt, Expr::indicator("Sma", {20.0}, "x")),
      Condition::cmp(Expr::arith(ArithOp::Mul, Expr::indicator("Ema", {3}), num(2)), CmpOp::Lt,
                     Expr::indicator("Wma", {4})),
  }));
  s.rank = RankSpec{Expr::indicator("Sma", {20}), false};
  const Program p = compile_program(s);
  ASSERT_EQ(p.evaluators.size(), 3u);
  EXPECT_EQ(p.evaluators[0].label, "Sma(20)");
  EXPECT_EQ(p.evaluators[1].label, "Ema(3)");
  EXPECT_EQ(p.evaluators[2].label, "Wma(4)");
  ASSERT_EQ(p.evaluators[0].fields.size(), 1u);
  EXPECT_EQ(p.slot_labels[p.evaluators[0].fields[0].slot], "Sma(20).x");
  EXPECT_EQ(p.top_level_indicators, (std::vector<std::string>{"Sma", "Sma", "Wma", "Sma"}));
  EXPECT_EQ(p.rank->label, "Sma(20)");
}

}  // namespace
}  // namespace tolvex::screener
