#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scan/spec.h"

namespace tolvex::screener {
namespace {

Expr close() {
  return Expr::price(PriceField::Close);
}
Condition above(double v) {
  return Condition::cmp(close(), CmpOp::Gt, Expr::constant(v));
}

ScanSpec valid_spec() {
  ScanSpec s;
  s.universe = {"AAA", "BBB"};
  s.condition = above(1);
  return s;
}

std::string failure(const ScanSpec& s) {
  auto r = validate_spec(s);
  return r ? std::string("ok") : r.error();
}

TEST(ValidateSpec, AcceptsMinimalAndFullSpecs) {
  EXPECT_EQ(failure(valid_spec()), "ok");
  ScanSpec s = valid_spec();
  s.limit = 1;
  s.reference = "BBB";
  s.timeframe = "1h";
  s.breadth = BreadthSpec{};  // all defaults
  s.rank = RankSpec{close(), true};
  EXPECT_EQ(failure(s), "ok");
  s.breadth = BreadthSpec{1, 1, 5.0, 1};  // no upper bound on the box
  EXPECT_EQ(failure(s), "ok");
}

// Each row breaks one rule (and sometimes later ones too, to show that the
// earlier rule is the one reported).
TEST(ValidateSpec, RulesInOrderWithExactMessages) {
  struct Case {
    const char* what;
    void (*mutate)(ScanSpec&);
    const char* message;
  };
  const Case cases[] = {
      {"empty universe beats limit 0",
       [](ScanSpec& s) {
         s.universe.clear();
         s.limit = 0;
       },
       "universe is empty"},
      {"limit 0 beats a bad reference",
       [](ScanSpec& s) {
         s.limit = 0;
         s.reference = "ZZZ";
       },
       "limit must be greater than 0"},
      {"reference differing in case only",
       [](ScanSpec& s) {
         s.reference = "aaa";
         s.breadth = BreadthSpec{0, 0, 0.0, 0};
       },
       "reference symbol aaa is not in the universe"},
      {"breadth period first",
       [](ScanSpec& s) {
         s.breadth = BreadthSpec{0, 0, 0.0, 0};
       },
       "breadth period must be greater than 0"},
      {"then ma_period",
       [](ScanSpec& s) {
         s.breadth = BreadthSpec{std::nullopt, 0, 0.0, 0};
       },
       "breadth ma_period must be greater than 0"},
      {"then a zero box",
       [](ScanSpec& s) {
         s.breadth = BreadthSpec{std::nullopt, std::nullopt, 0.0, 0};
       },
       "breadth pnf_box must be a positive fraction of price"},
      {"a negative box",
       [](ScanSpec& s) {
         s.breadth = BreadthSpec{std::nullopt, std::nullopt, -0.01, 3};
       },
       "breadth pnf_box must be a positive fraction of price"},
      {"a NaN box",
       [](ScanSpec& s) {
         s.breadth = BreadthSpec{};
         s.breadth->pnf_box = std::numeric_limits<double>::quiet_NaN();
       },
       "breadth pnf_box must be a positive fraction of price"},
      {"an infinite box",
       [](ScanSpec& s) {
         s.breadth = BreadthSpec{};
         s.breadth->pnf_box = std::numeric_limits<double>::infinity();
       },
       "breadth pnf_box must be a positive fraction of price"},
      {"then pnf_reversal, before the tree rules",
       [](ScanSpec& s) {
         s.breadth = BreadthSpec{};
         s.breadth->pnf_reversal = 0;
         s.condition = Condition::rising(close(), 0);
       },
       "breadth pnf_reversal must be greater than 0"},
      {"look-back before nesting",
       [](ScanSpec& s) {
         s.condition =
             Condition::breadth(Condition::all({Condition::breadth(above(1), CmpOp::Gt, 0.5),
                                                Condition::falling(close(), 0)}),
                                CmpOp::Gt, 0.5);
       },
       "rising/falling needs a lookback of at least 1 bar"},
      {"rising 0 hidden in not/all/breadth inner",
       [](ScanSpec& s) {
         s.condition = Condition::all(
             {above(1),
              Condition::breadth(
                  Condition::all({above(2), Condition::negate(Condition::rising(close(), 0))}),
                  CmpOp::Ge, 0.5)});
       },
       "rising/falling needs a lookback of at least 1 bar"},
      {"falling 0 in any",
       [](ScanSpec& s) {
         s.condition =
             Condition::any({Condition::falling(close(), 1), Condition::falling(close(), 0)});
       },
       "rising/falling needs a lookback of at least 1 bar"},
      {"breadth directly inside breadth",
       [](ScanSpec& s) {
         s.condition =
             Condition::breadth(Condition::breadth(above(1), CmpOp::Gt, 0.5), CmpOp::Gt, 0.5);
       },
       "breadth condition nested inside another breadth"},
      {"breadth under not/any inside breadth",
       [](ScanSpec& s) {
         s.condition = Condition::breadth(
             Condition::negate(
                 Condition::any({above(1), Condition::breadth(above(2), CmpOp::Lt, 0.1)})),
             CmpOp::Gt, 0.5);
       },
       "breadth condition nested inside another breadth"},
      {"nested pair found below an outer all",
       [](ScanSpec& s) {
         s.condition = Condition::all(
             {above(1), Condition::negate(Condition::breadth(
                            Condition::all({Condition::breadth(above(1), CmpOp::Gt, 0.5)}),
                            CmpOp::Gt, 0.5))});
       },
       "breadth condition nested inside another breadth"},
  };
  for (const Case& c : cases) {
    ScanSpec s = valid_spec();
    c.mutate(s);
    EXPECT_EQ(failure(s), c.message) << c.what;
  }
}

TEST(ValidateSpec, TreeShapesThatAreAllowed) {
  const Condition allowed[] = {
      Condition::all({}),
      Condition::any({}),
      Condition::negate(Condition::any({})),
      // Prev with 0 bars denotes the current step.
      Condition::cmp(Expr::prev(close(), 0), CmpOp::Eq, close()),
      Condition::rising(Expr::prev(close(), 0), 1),
      // Sibling breadth conditions do not nest.
      Condition::all({Condition::breadth(above(1), CmpOp::Gt, 0.5),
                      Condition::breadth(Condition::falling(close(), 3), CmpOp::Lt, 0.2)}),
      Condition::cross_section(close(), CrossSectionMetric::ZScore, CmpOp::Gt, 1),
      Condition::between(close(), Expr::constant(5), Expr::constant(3)),
  };
  for (const Condition& c : allowed) {
    ScanSpec s = valid_spec();
    s.condition = c;
    EXPECT_EQ(failure(s), "ok");
  }
}

}  // namespace
}  // namespace tolvex::screener
