#include <gtest/gtest.h>

#include "json/json.h"
#include "scan/spec.h"

namespace tolvex::screener {
namespace {

Expr price(PriceField f) {
  return Expr::price(f);
}
Expr num(double v) {
  return Expr::constant(v);
}

// The value path: parse the text generically, then convert.
Result<ScanSpec, std::string> from_value(std::string_view text) {
  auto doc = json::parse(text);
  if (!doc) return err("syntax: " + doc.error().display());
  return spec_from_value(*doc);
}

std::string value_fault(std::string_view text) {
  auto r = from_value(text);
  return r ? std::string("ok") : r.error();
}

ScanSpec expected_full_spec() {
  ScanSpec s;
  s.universe = {"AAA", "BBB"};
  s.timeframe = "1d";
  s.reference = "AAA";
  s.breadth = BreadthSpec{10, std::nullopt, 0.02, std::nullopt};
  s.condition = Condition::all({
      Condition::cmp(Expr::indicator("Sma", {20}), CmpOp::CrossesAbove,
                     Expr::prev(price(PriceField::Close), 1)),
      Condition::cross_section(Expr::indicator("Rsi", {14}, "value"),
                               CrossSectionMetric::PercentileRank, CmpOp::Ge, 0.9),
      Condition::breadth(Condition::rising(price(PriceField::Hlc3), 3), CmpOp::Gt, 0.5),
      Condition::between(price(PriceField::Close), num(1),
                         Expr::arith(ArithOp::Add, num(2), num(0.5))),
      Condition::negate(Condition::falling(
          Expr::arith(ArithOp::Div, price(PriceField::High), price(PriceField::Low)), 2)),
      Condition::any({}),
  });
  s.rank = RankSpec{
      Expr::arith(ArithOp::Mul, price(PriceField::Volume),
                  Expr::arith(ArithOp::Sub, price(PriceField::Open), price(PriceField::Ohlc4))),
      true};
  s.limit = 5;
  return s;
}

constexpr std::string_view kObjectForm = R"({
  "universe": ["AAA", "BBB"], "timeframe": "1d", "reference": "AAA",
  "breadth": {"period": 10, "pnf_box": 0.02},
  "condition": {"type": "all", "conditions": [
    {"type": "cmp", "left": {"kind": "indicator", "name": "Sma", "params": [20.0]},
     "op": "crosses_above",
     "right": {"kind": "prev", "of": {"kind": "price", "field": "close"}, "bars": 1}},
    {"type": "cross_section",
     "expr": {"kind": "indicator", "name": "Rsi", "params": [14], "field": "value"},
     "metric": "percentile_rank", "op": "ge", "value": 0.9},
    {"type": "breadth", "op": "gt", "ratio": 0.5,
     "inner": {"type": "rising", "expr": {"kind": "price", "field": "hlc3"}, "bars": 3}},
    {"type": "between", "value": {"kind": "price", "field": "close"},
     "low": {"kind": "const", "value": 1},
     "high": {"kind": "add", "left": {"kind": "const", "value": 2},
              "right": {"kind": "const", "value": 0.5}}},
    {"type": "not", "condition": {"type": "falling", "bars": 2,
     "expr": {"kind": "div", "left": {"kind": "price", "field": "high"},
              "right": {"kind": "price", "field": "low"}}}},
    {"type": "any", "conditions": []}
  ]},
  "rank": {"by": {"kind": "mul", "left": {"kind": "price", "field": "volume"},
                  "right": {"kind": "sub", "left": {"kind": "price", "field": "open"},
                            "right": {"kind": "price", "field": "ohlc4"}}},
           "desc": true},
  "limit": 5
})";

// The same document with every record and tagged union in array form.
constexpr std::string_view kArrayForm = R"([
  ["AAA", "BBB"], "1d", "AAA", [10, null, 0.02],
  ["all", [
    ["cmp", ["indicator", "Sma", [20]], "crosses_above", ["prev", ["price", "close"], 1]],
    ["cross_section", ["indicator", "Rsi", [14], "value"], "percentile_rank", "ge", 0.9],
    ["breadth", ["rising", ["price", "hlc3"], 3], "gt", 0.5],
    ["between", ["price", "close"], ["const", 1], ["add", ["const", 2], ["const", 0.5]]],
    ["not", ["falling", ["div", ["price", "high"], ["price", "low"]], 2]],
    ["any", []]
  ]],
  [["mul", ["price", "volume"], ["sub", ["price", "open"], ["price", "ohlc4"]]], true],
  5
])";

TEST(SpecJson, ObjectAndArrayFormsReadTheSameSpec) {
  const ScanSpec expected = expected_full_spec();
  for (std::string_view text : {kObjectForm, kArrayForm}) {
    auto from_text = parse_spec_text(text);
    ASSERT_TRUE(from_text) << from_text.error().display();
    EXPECT_EQ(*from_text, expected);
    auto converted = from_value(text);
    ASSERT_TRUE(converted) << converted.error();
    EXPECT_EQ(*converted, expected);
  }
}

TEST(SpecJson, AbsentNullAndDefaultedValues) {
  ScanSpec minimal;
  minimal.universe = {"A"};
  minimal.condition = Condition::all({});
  const std::string_view texts[] = {
      R"({"universe":["A"],"condition":{"type":"all","conditions":[]}})",
      R"({"universe":["A"],"timeframe":null,"reference":null,"breadth":null,
          "condition":{"type":"all","conditions":[],"extra":1},"rank":null,"limit":null,
          "unknown":[1,2]})",
      R"([["A"],null,null,null,["all",[]]])",
      R"([["A"],null,null,null,["all",[]],null,null])",
  };
  for (std::string_view t : texts) {
    auto r = from_value(t);
    ASSERT_TRUE(r) << r.error();
    EXPECT_EQ(*r, minimal) << t;
  }

  auto r = from_value(R"({"universe":["A","A"],"breadth":{},
      "condition":{"type":"cmp","left":{"kind":"indicator","name":"Obv"},
                   "op":{"le":null},"right":["indicator","Obv",null,null]},
      "rank":[{"kind":"const","value":1}]})");
  ASSERT_TRUE(r) << r.error();
  EXPECT_EQ(r->universe, (std::vector<std::string>{"A", "A"}));  // duplicates kept
  EXPECT_EQ(r->breadth, BreadthSpec{});
  EXPECT_EQ(r->condition,
            Condition::cmp(Expr::indicator("Obv"), CmpOp::Le, Expr::indicator("Obv")));
  EXPECT_EQ(r->rank, (RankSpec{num(1), false}));

  auto empty_breadth = from_value(R"([["A"],null,null,[],["any",[]]])");
  ASSERT_TRUE(empty_breadth) << empty_breadth.error();
  EXPECT_EQ(empty_breadth->breadth, BreadthSpec{});
}

TEST(SpecJson, EquallyWrittenParamsGiveOneLabel) {
  auto r = from_value(R"({"universe":["A"],"condition":{"type":"cmp",
      "left":{"kind":"indicator","name":"Sma","params":[20]},"op":"gt",
      "right":{"kind":"indicator","name":"Sma","params":[20.0, 0.5e1],"field":"x"}}})");
  ASSERT_TRUE(r) << r.error();
  const auto& cmp = *r->condition.as<Condition::Cmp>();
  EXPECT_EQ(cmp.left.label(), "Sma(20)");
  EXPECT_EQ(cmp.right.label(), "Sma(20,5).x");
}

// Shape faults through the value path: the reader's message, no position.
TEST(SpecJson, ShapeFaultMessages) {
  const std::string cond = R"({"type":"all","conditions":[]})";
  auto spec_with = [&](std::string_view key_values) {
    return R"({"universe":["A"],"condition":)" + cond + "," + std::string(key_values) + "}";
  };
  auto spec_cond = [](std::string_view condition) {
    return R"({"universe":["A"],"condition":)" + std::string(condition) + "}";
  };
  auto spec_expr = [&](std::string_view e) {
    return spec_cond(R"({"type":"cmp","op":"gt","right":{"kind":"const","value":1},"left":)" +
                     std::string(e) + "}");
  };
  struct Case {
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      // Records.
      {"{}", "missing field `universe`"},
      {R"({"universe":["A"]})", "missing field `condition`"},
      {"5", "invalid type: integer `5`, expected struct ScanSpec"},
      {R"("spec")", "invalid type: string \"spec\", expected struct ScanSpec"},
      {R"([["A"],null,null,null])", "invalid length 4, expected struct ScanSpec with 7 elements"},
      {R"([["A"],null,null,null,["all",[]],null,null,1])",
       "invalid length 8, expected fewer elements in array"},
      {R"({"universe":"A","condition":{}})", "invalid type: string \"A\", expected a sequence"},
      {R"({"universe":["A",1],"condition":{}})", "invalid type: integer `1`, expected a string"},
      {spec_with(R"("timeframe":5)"), "invalid type: integer `5`, expected a string"},
      {spec_with(R"("limit":-1)"), "invalid value: integer `-1`, expected u64"},
      {spec_with(R"("limit":2.0)"), "invalid type: floating point `2.0`, expected u64"},
      {spec_with(R"("breadth":{"pnf_box":"x"})"), "invalid type: string \"x\", expected f64"},
      {spec_with(R"("breadth":{"period":1.5})"),
       "invalid type: floating point `1.5`, expected u64"},
      {spec_with(R"("breadth":[1,2,0.5,3,9])"),
       "invalid length 5, expected fewer elements in array"},
      {spec_with(R"("breadth":true)"), "invalid type: boolean `true`, expected struct BreadthSpec"},
      {spec_with(R"("rank":[])"), "invalid length 0, expected struct RankSpec with 2 elements"},
      {spec_with(R"("rank":{"desc":true})"), "missing field `by`"},
      {spec_with(R"("rank":{"by":{"kind":"const","value":1},"desc":"yes"})"),
       "invalid type: string \"yes\", expected a boolean"},
      // Conditions.
      {spec_cond("5"), "invalid type: integer `5`, expected internally tagged enum Condition"},
      {spec_cond("null"), "invalid type: null, expected internally tagged enum Condition"},
      {spec_cond(R"({"conditions":[]})"), "missing field `type`"},
      {spec_cond("[]"), "missing field `type`"},
      {spec_cond(R"({"type":1})"), "invalid type: integer `1`, expected variant identifier"},
      {spec_cond(R"({"type":"All","conditions":[]})"),
       "unknown variant `All`, expected one of `cmp`, `cross_section`, `breadth`, `between`, "
       "`rising`, `falling`, `all`, `any`, `not`"},
      {spec_cond(R"({"type":"all"})"), "missing field `conditions`"},
      {spec_cond(R"({"type":"any","conditions":{}})"), "invalid type: map, expected a sequence"},
      {spec_cond(R"({"type":"not","condition":{"type":"all","conditions":[5]}})"),
       "invalid type: integer `5`, expected internally tagged enum Condition"},
      {spec_cond(R"(["cmp",["const",1],"gt"])"),
       "invalid length 2, expected struct variant Condition::Cmp with 3 elements"},
      {spec_cond(R"(["not"])"),
       "invalid length 0, expected struct variant Condition::Not with 1 element"},
      {spec_cond(R"(["rising",["const",1],2,3])"),
       "invalid length 3, expected fewer elements in array"},
      {spec_cond(R"({"type":"rising","expr":{"kind":"const","value":1},"bars":-1})"),
       "invalid value: integer `-1`, expected u32"},
      {spec_cond(R"({"type":"falling","expr":{"kind":"const","value":1},"bars":4294967296})"),
       "invalid value: integer `4294967296`, expected u32"},
      {spec_cond(R"({"type":"breadth","inner":{"type":"any","conditions":[]},"op":"gt"})"),
       "missing field `ratio`"},
      {spec_cond(R"({"type":"cross_section","expr":{"kind":"const","value":1},
                     "metric":"zscore","op":"gt","value":0})"),
       "unknown variant `zscore`, expected one of `rank`, `percentile_rank`, `z_score`"},
      {spec_cond(R"({"type":"cmp","left":{"kind":"const","value":1},"op":"gte",
                     "right":{"kind":"const","value":1}})"),
       "unknown variant `gte`, expected one of `gt`, `ge`, `lt`, `le`, `eq`, `ne`, "
       "`crosses_above`, `crosses_below`"},
      {spec_cond(R"({"type":"cmp","left":{"kind":"const","value":1},"op":7,
                     "right":{"kind":"const","value":1}})"),
       "invalid type: integer `7`, expected enum CmpOp"},
      {spec_cond(R"({"type":"cmp","left":{"kind":"const","value":1},"op":{"gt":1},
                     "right":{"kind":"const","value":1}})"),
       "invalid type: integer `1`, expected unit variant"},
      {spec_cond(R"({"type":"cmp","left":{"kind":"const","value":1},"op":"gt"})"),
       "missing field `right`"},
      // Expressions.
      {spec_expr("{}"), "missing field `kind`"},
      {spec_expr("true"), "invalid type: boolean `true`, expected internally tagged enum Expr"},
      {spec_expr(R"({"kind":"constant","value":1})"),
       "unknown variant `constant`, expected one of `const`, `price`, `indicator`, `prev`, "
       "`add`, `sub`, `mul`, `div`"},
      {spec_expr(R"({"kind":"const","value":"1"})"), "invalid type: string \"1\", expected f64"},
      {spec_expr(R"({"kind":"price","field":"Close"})"),
       "unknown variant `Close`, expected one of `open`, `high`, `low`, `close`, `volume`, "
       "`hlc3`, `ohlc4`"},
      {spec_expr(R"({"kind":"indicator","params":[1]})"), "missing field `name`"},
      {spec_expr(R"({"kind":"indicator","name":"Sma","params":[1,"a"]})"),
       "invalid type: string \"a\", expected f64"},
      {spec_expr(R"({"kind":"indicator","name":"Sma","params":20})"),
       "invalid type: integer `20`, expected a sequence"},
      {spec_expr(R"({"kind":"indicator","name":"Sma","field":1})"),
       "invalid type: integer `1`, expected a string"},
      {spec_expr(R"(["indicator"])"),
       "invalid length 0, expected struct variant Expr::Indicator with 3 elements"},
      {spec_expr(R"({"kind":"prev","of":{"kind":"const","value":1},"bars":1.5})"),
       "invalid type: floating point `1.5`, expected u32"},
      {spec_expr(R"({"kind":"prev","bars":1})"), "missing field `of`"},
      {spec_expr(R"({"kind":"div","left":{"kind":"const","value":1}})"), "missing field `right`"},
      {spec_expr(R"(["sub",["const",1]])"),
       "invalid length 1, expected struct variant Expr::Sub with 2 elements"},
  };
  for (const Case& c : cases) EXPECT_EQ(value_fault(c.text), c.message) << c.text;
}

TEST(SpecJson, RepeatedKeysFailInTextButKeepTheLastAsValue) {
  const std::string_view texts[] = {
      R"({"universe":["A"],"universe":["B"],"condition":{"type":"all","conditions":[]}})",
      R"({"universe":["B"],"condition":{"type":"any","type":"all","conditions":[]}})",
  };
  const char* messages[] = {"parse: duplicate field `universe` at line 1 column ",
                            "parse: duplicate field `type` at line 1 column "};
  ScanSpec last;
  last.universe = {"B"};
  last.condition = Condition::all({});
  for (int i = 0; i < 2; ++i) {
    auto text = parse_spec_text(texts[i]);
    ASSERT_FALSE(text);
    EXPECT_EQ(text.error().kind, ScreenerError::Kind::Parse);
    EXPECT_TRUE(text.error().display().starts_with(messages[i])) << text.error().display();
    auto value = from_value(texts[i]);
    ASSERT_TRUE(value) << value.error();
    EXPECT_EQ(*value, last);
  }
}

TEST(SpecJson, TextPathReportsPositionsAndValidates) {
  struct Case {
    std::string_view text;
    ScreenerError::Kind kind;
    const char* display;
  };
  const Case cases[] = {
      {"", ScreenerError::Kind::Parse, "parse: EOF while parsing a value at line 1 column 0"},
      // The fault sits just after the offending value: the closing brace of
      // the object that lacks a field, the number that is out of range.
      {R"({"universe":["A"]})", ScreenerError::Kind::Parse,
       "parse: missing field `condition` at line 1 column 18"},
      {"{\"universe\": [\"A\"],\n"
       "  \"condition\": {\"type\": \"rising\",\n"
       "                \"expr\": {\"kind\": \"price\", \"field\": \"close\"}, \"bars\": -2}}",
       ScreenerError::Kind::Parse,
       "parse: invalid value: integer `-2`, expected u32 at line 3 column 71"},
      // A shape fault wins over a rule failure; rules run only on a read spec.
      {R"({"universe":[],"condition":5})", ScreenerError::Kind::Parse,
       "parse: invalid type: integer `5`, expected internally tagged enum Condition at line 1 "
       "column 28"},
      {R"({"universe":[],"condition":["all",[]]})", ScreenerError::Kind::BadSpec,
       "bad spec: universe is empty"},
      {R"([["A"],null,"a",null,["any",[]]])", ScreenerError::Kind::BadSpec,
       "bad spec: reference symbol a is not in the universe"},
  };
  for (const Case& c : cases) {
    auto r = parse_spec_text(c.text);
    ASSERT_FALSE(r) << c.text;
    EXPECT_EQ(r.error().kind, c.kind) << c.text;
    EXPECT_EQ(r.error().display(), c.display);
  }

  auto trailing = parse_spec_text(R"({"universe":["A"],"condition":["all",[]]} x)");
  ASSERT_FALSE(trailing);
  EXPECT_TRUE(trailing.error().display().starts_with("parse: trailing characters at line 1"))
      << trailing.error().display();
  EXPECT_TRUE(parse_spec_text(" \t{\"universe\":[\"A\"],\"condition\":[\"all\",[]]}\r\n "));
}

}  // namespace
}  // namespace tolvex::screener
