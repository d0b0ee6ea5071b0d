// Typed-conversion wording and the compact writer.
#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "json/json.h"

namespace tolvex::json {
namespace {

Value read(std::string_view text) {
  auto v = parse(text);
  EXPECT_TRUE(v.ok()) << text;
  return v.ok() ? *v : Value();
}

TEST(JsonMessages, DescribeUnexpectedValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"null", "null"},
      {"true", "boolean `true`"},
      {"5", "integer `5`"},
      {"-5", "integer `-5`"},
      {"1.5", "floating point `1.5`"},
      {"2.0", "floating point `2.0`"},
      {"-0", "floating point `-0.0`"},
      {"1e20", "floating point `100000000000000000000.0`"},
      {R"("a\"b\\c\n")", R"(string "a\"b\\c\n")"},
      {"[]", "sequence"},
      {"{}", "map"},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(unexpected(read(text)), want) << text;
}

TEST(JsonMessages, ScalarConversionsRejectWithTheirExpectation) {
  struct Case {
    const char* text;
    const char* target;
    const char* message;
  };
  const Case cases[] = {
      {"1.5", "i64", "invalid type: floating point `1.5`, expected i64"},
      {"18446744073709551615", "i64",
       "invalid value: integer `18446744073709551615`, expected i64"},
      {"\"7\"", "i64", "invalid type: string \"7\", expected i64"},
      {"-1", "u64", "invalid value: integer `-1`, expected u64"},
      {"4294967296", "u32", "invalid value: integer `4294967296`, expected u32"},
      {"1", "bool", "invalid type: integer `1`, expected a boolean"},
      {"null", "f64", "invalid type: null, expected f64"},
      {"{}", "string", "invalid type: map, expected a string"},
  };
  for (const auto& c : cases) {
    Value v = read(c.text);
    std::string target = c.target;
    Error e;
    if (target == "i64") e = to_i64(v).error();
    if (target == "u64") e = to_u64(v).error();
    if (target == "u32") e = to_u32(v).error();
    if (target == "bool") e = to_bool(v).error();
    if (target == "f64") e = to_f64(v).error();
    if (target == "string") e = to_string(v).error();
    EXPECT_EQ(e.message, c.message) << c.text;
  }
  EXPECT_EQ(*to_i64(read("-9223372036854775808")), INT64_MIN);
  EXPECT_EQ(*to_u32(read("4294967295")), UINT32_MAX);
  EXPECT_EQ(*to_f64(read("3")), 3.0);
  // Faults point just past the offending value.
  auto e = to_i64(read("[\n  1.5]").items()[0]);
  EXPECT_EQ(e.error().display(),
            "invalid type: floating point `1.5`, expected i64 at line 2 column 5");
}

TEST(JsonMessages, RecordFaultForms) {
  EXPECT_EQ(missing_field("time"), "missing field `time`");
  EXPECT_EQ(duplicate_field("open"), "duplicate field `open`");
  EXPECT_EQ(invalid_length(4, "struct Candle with 6 elements"),
            "invalid length 4, expected struct Candle with 6 elements");
  const std::string_view two[] = {"buy", "sell"};
  const std::string_view three[] = {"a", "b", "c"};
  EXPECT_EQ(unknown_variant("BUY", two), "unknown variant `BUY`, expected `buy` or `sell`");
  EXPECT_EQ(unknown_variant("x", three), "unknown variant `x`, expected one of `a`, `b`, `c`");
}

TEST(JsonWriter, EscapesOnlyWhatJsonRequires) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"a\"b\\c", R"("a\"b\\c")"},
      {"\b\t\n\f\r", R"("\b\t\n\f\r")"},
      {std::string_view("\x00\x01\x1f", 3), R"("\u0000\u0001\u001f")"},
      {"/\x7f\xC3\xA9", "\"/\x7f\xC3\xA9\""},
  };
  for (const auto& [in, want] : cases) {
    std::string out;
    write_string(out, in);
    EXPECT_EQ(out, want);
  }
  EXPECT_EQ(error_reply("bad spec: missing \"cmd\""),
            R"({"error":"bad spec: missing \"cmd\"","ok":false})");
  EXPECT_EQ(ok_reply(), R"({"ok":true})");
}

TEST(JsonWriter, ObjectsComeOutSortedWithTheLastDuplicate) {
  std::string out;
  write_value(out, read(R"({"ok":true,"error":"x","b":[1,-2,2.5,null],"ok":false})"));
  EXPECT_EQ(out, R"({"b":[1,-2,2.5,null],"error":"x","ok":false})");
}

TEST(JsonWriter, NumberLayout) {
  // Expected texts follow the layout rule by hand: plain notation for
  // decimal exponents -5..15, scientific otherwise.
  const std::pair<double, const char*> cases[] = {
      {0.0, "0.0"},
      {-0.0, "-0.0"},
      {1500, "1500.0"},
      {101.5, "101.5"},
      {0.00001234, "0.00001234"},
      {1e15, "1000000000000000.0"},
      {1e16, "1e+16"},
      {1.2345e20, "1.2345e+20"},
      {1e-6, "1e-6"},
      {-1.5e-7, "-1.5e-7"},
      {12345678901234567890.0, "1.2345678901234567e+19"},
      {0.12345679, "0.12345679"},
      {NAN, "null"},
      {-INFINITY, "null"},
  };
  for (const auto& [d, want] : cases) {
    std::string out;
    write_number(out, d);
    EXPECT_EQ(out, want) << d;
  }
}

}  // namespace
}  // namespace tolvex::json
