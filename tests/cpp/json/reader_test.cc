// Syntax faults, values and positions of the DOM reader and the outline
// pass. Positions are counted by hand: the column is the number of bytes
// read on the line, the offending byte included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "json/json.h"

namespace tolvex::json {
namespace {

struct SyntaxCase {
  std::string text;
  std::string display;
};

const SyntaxCase kSyntaxCases[] = {
    {"", "EOF while parsing a value at line 1 column 0"},
    {"  \n ", "EOF while parsing a value at line 2 column 1"},
    {"{\"cmd\":\"version\"} x", "trailing characters at line 1 column 19"},
    {"1 2", "trailing characters at line 1 column 3"},
    {"[1,2", "EOF while parsing a list at line 1 column 4"},
    {"[1 2]", "expected `,` or `]` at line 1 column 4"},
    {"[1,]", "trailing comma at line 1 column 4"},
    {"[1,\n2,\n x]", "expected value at line 3 column 2"},
    {"{\"a\" 1}", "expected `:` at line 1 column 6"},
    {"{\"a\":1 \"b\":2}", "expected `,` or `}` at line 1 column 8"},
    {"{\"a\":1,}", "trailing comma at line 1 column 8"},
    {"{1:2}", "key must be a string at line 1 column 2"},
    {"{\"a\":1", "EOF while parsing an object at line 1 column 6"},
    {"\"abc", "EOF while parsing a string at line 1 column 4"},
    {"\"a\x01\"",
     "control character (\\u0000-\\u001F) found while parsing a string at line 1 column 3"},
    {"\"\\x\"", "invalid escape at line 1 column 3"},
    {"\"\\u12g4\"", "invalid escape at line 1 column 6"},
    {"\"\\udc00\"", "lone leading surrogate in hex escape at line 1 column 7"},
    {"\"\\ud800\\u0041\"", "lone leading surrogate in hex escape at line 1 column 13"},
    {"01", "invalid number at line 1 column 2"},
    {"-", "invalid number at line 1 column 1"},
    {"-a", "invalid number at line 1 column 2"},
    {"1.e5", "invalid number at line 1 column 3"},
    {"1e+", "invalid number at line 1 column 3"},
    {"1e400", "number out of range at line 1 column 5"},
    {"[-1.8e308]", "number out of range at line 1 column 9"},
    {"tru", "EOF while parsing a value at line 1 column 3"},
    {"trux", "expected ident at line 1 column 4"},
    {"nul1", "expected ident at line 1 column 4"},
    {"x", "expected value at line 1 column 1"},
    {std::string(129, '[') + std::string(129, ']'),
     "recursion limit exceeded at line 1 column 129"},
    // Hostile nesting must be refused, not recursed into.
    {std::string(1000000, '['), "recursion limit exceeded at line 1 column 129"},
    {std::string(1000000, '{'), "key must be a string at line 1 column 2"},
};

TEST(JsonReader, SyntaxFaultsNameTheFaultAndItsPosition) {
  for (const auto& c : kSyntaxCases) {
    auto dom = parse(c.text);
    ASSERT_FALSE(dom.ok()) << c.text.substr(0, 40);
    EXPECT_EQ(dom.error().display(), c.display) << c.text.substr(0, 40);
    // The outline pass must agree byte for byte, since a command text is
    // checked by it rather than by parse.
    auto spans = outline(c.text);
    ASSERT_FALSE(spans.ok()) << c.text.substr(0, 40);
    EXPECT_EQ(spans.error().display(), c.display) << c.text.substr(0, 40);
  }
}

TEST(JsonReader, AcceptsDeepestAllowedNestingAndSurroundingWhitespace) {
  std::string deep = std::string(128, '[') + std::string(128, ']');
  EXPECT_TRUE(parse(deep).ok());
  EXPECT_TRUE(outline(deep).ok());
  EXPECT_TRUE(parse(" \t\r\n{\"cmd\":\"version\"}\n").ok());
  // Only the four JSON whitespace bytes may trail.
  EXPECT_FALSE(parse("{}\v").ok());
}

TEST(JsonReader, NumbersKeepHowTheyWereWritten) {
  struct Case {
    const char* text;
    NumberKind kind;
    double d;
  };
  const Case cases[] = {
      {"5", NumberKind::kUnsigned, 5},
      {"-5", NumberKind::kSigned, -5},
      {"-0", NumberKind::kFloat, -0.0},
      {"1.5", NumberKind::kFloat, 1.5},
      {"1E2", NumberKind::kFloat, 100},
      {"18446744073709551615", NumberKind::kUnsigned, 18446744073709551615.0},
      {"18446744073709551616", NumberKind::kFloat, 18446744073709551616.0},
      {"-9223372036854775808", NumberKind::kSigned, -9223372036854775808.0},
      {"-9223372036854775809", NumberKind::kFloat, -9223372036854775809.0},
      {"1e-400", NumberKind::kFloat, 0},
      {"4.9e-324", NumberKind::kFloat, 4.9e-324},
  };
  for (const auto& c : cases) {
    auto v = parse(c.text);
    ASSERT_TRUE(v.ok()) << c.text;
    EXPECT_EQ(v->as_number().kind, c.kind) << c.text;
    EXPECT_EQ(v->as_double(), c.d) << c.text;
    EXPECT_EQ(std::signbit(v->as_double()), std::signbit(c.d)) << c.text;
  }
  auto big = parse("18446744073709551615");
  EXPECT_EQ(big->as_number().u, UINT64_MAX);
  auto low = parse("-9223372036854775808");
  EXPECT_EQ(low->as_number().i, INT64_MIN);
}

TEST(JsonReader, DecodesEscapesAndSurrogatePairs) {
  auto v = parse(R"("a\"\\\/\b\f\n\r\t\u00e9\ud83d\ude00")");
  ASSERT_TRUE(v.ok());
  EXPECT_EQ(v->as_string(), "a\"\\/\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80");
}

TEST(JsonReader, ObjectsKeepDocumentOrderButLookupsSeeTheLastDuplicate) {
  auto v = parse(R"({"b":1,"a":2,"b":3})");
  ASSERT_TRUE(v.ok());
  ASSERT_EQ(v->members().size(), 3u);
  EXPECT_EQ(v->members()[0].key, "b");
  EXPECT_EQ(v->find("b")->as_double(), 3);
  EXPECT_EQ(v->find("zz"), nullptr);
}

TEST(JsonReader, ValuesRememberThePositionJustAfterThem) {
  auto v = parse("{\"a\":\n  [1, true],\n\"b\":\"x\"}");
  ASSERT_TRUE(v.ok());
  const Value* a = v->find("a");
  EXPECT_EQ(a->line(), 2u);
  EXPECT_EQ(a->column(), 11u);
  EXPECT_EQ(a->items()[1].line(), 2u);
  EXPECT_EQ(a->items()[1].column(), 10u);
  EXPECT_EQ(v->find("b")->line(), 3u);
  EXPECT_EQ(v->find("b")->column(), 7u);
  EXPECT_EQ(v->line(), 3u);
  EXPECT_EQ(v->column(), 8u);
}

TEST(JsonOutline, RecordsTheSpansOfTopLevelMembers) {
  std::string text = R"( {"cmd" : "scan", "data":{"A":[1,{"x":2}]}, "n":null, "cmd":"x\"y"} )";
  auto o = outline(text);
  ASSERT_TRUE(o.ok());
  EXPECT_TRUE(o->is_object);
  ASSERT_EQ(o->members.size(), 4u);
  auto span = [&](const MemberSpan* m) { return text.substr(m->begin, m->end - m->begin); };
  EXPECT_EQ(span(o->find("data")), R"({"A":[1,{"x":2}]})");
  EXPECT_EQ(span(o->find("n")), "null");
  // The last "cmd" wins and its key and span are the decoded/raw forms.
  EXPECT_EQ(span(o->find("cmd")), R"("x\"y")");
  EXPECT_EQ(o->find("missing"), nullptr);

  auto arr = outline("[1,{\"a\":2}]");
  ASSERT_TRUE(arr.ok());
  EXPECT_FALSE(arr->is_object);
  EXPECT_TRUE(arr->members.empty());
}

}  // namespace
}  // namespace tolvex::json

namespace tolvex::json {
namespace {

// The reader converts most decimals itself; every conversion must agree
// with the C library's correctly rounded strtod.
TEST(JsonReader, DecimalsConvertExactlyLikeStrtod) {
  std::vector<std::string> texts = {"0.1",
                                    "123.456",
                                    "-0.0",
                                    "9007199254740993.0",
                                    "1.7976931348623157e308",
                                    "2.2250738585072014e-308",
                                    "0.30000000000000004",
                                    "1e23",
                                    "8.98846567431158e307",
                                    "4.35",
                                    "1234567890123456789.5",
                                    "0.000000000000000000000000001",
                                    "1e-22",
                                    "1e22"};
  std::uint64_t state = 42;
  auto next = [&] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 33;
  };
  for (int i = 0; i < 20000; ++i) {
    std::string t = next() % 2 ? "-" : "";
    t += std::to_string(next() % 100000000);
    t += '.';
    t += std::to_string(next() % 10000000000ULL);
    if (next() % 3 == 0) {
      t += 'e';
      t += std::to_string(static_cast<int>(next() % 60) - 30);
    }
    texts.push_back(t);
  }
  for (const auto& t : texts) {
    auto v = parse(t);
    ASSERT_TRUE(v.ok()) << t;
    double want = std::strtod(t.c_str(), nullptr);
    ASSERT_EQ(v->as_double(), want) << t;
    Cursor c(t);
    auto n = c.number();
    ASSERT_TRUE(n.ok()) << t;
    ASSERT_EQ(n->d, want) << t;
    ASSERT_EQ(std::signbit(n->d), std::signbit(want)) << t;
  }
}

}  // namespace
}  // namespace tolvex::json
