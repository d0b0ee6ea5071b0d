#include "scan/symbol_state.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"
#include "scan/evaluate.h"

namespace tolvex::screener {
namespace {

using namespace testing;

// A condition reading the scripted indicator X(1) bare and through two of
// its fields, one of which it does not produce.
ScanSpec fields_spec() {
  return spec_of(Condition::all({
      Condition::cmp(Expr::indicator("X", {1}), CmpOp::Gt, Expr::indicator("X", {1}, "upper")),
      Condition::cmp(Expr::indicator("X", {1}, "middle"), CmpOp::Gt, num(0)),
  }));
}

TEST(SymbolState, RecordsPrimaryAndReadFieldsOncePresent) {
  const Program p = compile_program(fields_spec());
  ASSERT_EQ(p.evaluators.size(), 1u);
  SymbolState s(p, scripted(1, 3));
  const std::uint32_t primary = p.evaluators[0].slot;
  const std::uint32_t upper = p.evaluators[0].fields[0].slot;
  const std::uint32_t middle = p.evaluators[0].fields[1].slot;

  feed_closes(s, {1, 2});
  EXPECT_FALSE(s.ready());
  EXPECT_FALSE(s.slot_at(0, primary));  // warming up: nothing stored
  EXPECT_FALSE(s.slot_at(0, upper));

  feed_closes(s, {5});
  EXPECT_TRUE(s.ready());
  EXPECT_EQ(s.slot_at(0, primary), 50);
  EXPECT_EQ(s.slot_at(0, upper), 6);
  EXPECT_FALSE(s.slot_at(0, middle));   // not an output of X
  EXPECT_FALSE(s.slot_at(1, primary));  // the step before had no value
  EXPECT_EQ(s.candle_at(1)->close, 2);
}

TEST(SymbolState, HistoryIsABoundedRingNewestFirst) {
  const Program p = compile_program(spec_of(Condition::rising(Expr::indicator("X", {1}), 3)));
  ASSERT_EQ(p.history_len, 4u);
  SymbolState s(p, scripted(1, 1));
  std::vector<double> closes;
  for (int i = 1; i <= 1000; ++i) closes.push_back(i);
  feed_closes(s, closes);
  EXPECT_EQ(s.steps(), 1000u);
  EXPECT_EQ(s.stored(), 4u);
  for (std::uint64_t i = 0; i < 4; ++i) {
    EXPECT_EQ(s.candle_at(i)->close, 1000.0 - i);
    EXPECT_EQ(s.slot_at(i, p.evaluators[0].slot), (1000.0 - i) * 10);
  }
  EXPECT_EQ(s.candle_at(4), nullptr);
}

TEST(SymbolState, ReadinessWithoutEvaluators) {
  const Program p = compile_program(spec_of(Condition::cmp(close(), CmpOp::Gt, num(0))));
  SymbolState s(p, {});
  EXPECT_EQ(s.warmup(), 0u);
  EXPECT_FALSE(s.ready());  // never stepped
  feed_closes(s, {1});
  EXPECT_TRUE(s.ready());
}

TEST(CompileSymbol, BuildsThroughTheRegistry) {
  // Sma(2) and Sma(2.0) with a field share one evaluator; values by hand.
  const Program p = compile_program(spec_of(Condition::cmp(Expr::indicator("Sma", {2}), CmpOp::Gt,
                                                           Expr::indicator("Sma", {2.0}, "none"))));
  auto s = compile_symbol(p);
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(p.evaluators.size(), 1u);
  feed_closes(*s, {1, 3, 8});
  EXPECT_EQ(s->slot_at(0, p.evaluators[0].slot), 5.5);
  EXPECT_EQ(s->slot_at(1, p.evaluators[0].slot), 2);
}

TEST(CompileSymbol, RegistryFailuresNameTheType) {
  const auto error_of = [](Expr e) {
    const Program p =
        compile_program(spec_of(Condition::cmp(Expr::prev(std::move(e), 1), CmpOp::Gt, num(0))));
    auto s = compile_symbol(p);
    return s.ok() ? std::string("ok") : s.error().display();
  };
  EXPECT_EQ(error_of(Expr::indicator("Foo", {1})),
            "unknown indicator: Foo: unknown indicator type: Foo");
  EXPECT_EQ(error_of(Expr::indicator("Sma", {0}))
                .rfind("unknown indicator: Sma: invalid parameters for indicator Sma: ", 0),
            0u);
}

}  // namespace
}  // namespace tolvex::screener
