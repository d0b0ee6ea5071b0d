#include <gtest/gtest.h>

#include "json/json.h"

namespace tolvex::json {
namespace {

TEST(JsonCursor, WalksNestedContainersAndSkipsValues) {
  std::string text = R"( [ {"k" : "v\n", "skip": {"deep":[1,[2,{}]]}, "n": -2}, [], true, null ] )";
  Cursor c(text);
  std::string scratch;
  std::string_view key;
  ASSERT_TRUE(c.begin_array().ok());
  ASSERT_TRUE(*c.next_element());
  ASSERT_TRUE(c.begin_object().ok());
  ASSERT_TRUE(*c.next_key(key, scratch));
  EXPECT_EQ(key, "k");
  EXPECT_EQ(*c.string(scratch), "v\n");
  ASSERT_TRUE(*c.next_key(key, scratch));
  EXPECT_EQ(key, "skip");
  ASSERT_TRUE(c.skip().ok());
  ASSERT_TRUE(*c.next_key(key, scratch));
  EXPECT_EQ(c.number()->i, -2);
  EXPECT_FALSE(*c.next_key(key, scratch));
  ASSERT_TRUE(*c.next_element());
  ASSERT_TRUE(c.begin_array().ok());
  EXPECT_FALSE(*c.next_element());
  ASSERT_TRUE(*c.next_element());
  EXPECT_TRUE(*c.boolean());
  ASSERT_TRUE(*c.next_element());
  EXPECT_EQ(*c.peek(), Value::Type::kNull);
  EXPECT_TRUE(c.null().ok());
  EXPECT_FALSE(*c.next_element());
  EXPECT_TRUE(c.finish().ok());
}

TEST(JsonCursor, FaultsCarryPositionsInTheWholeText) {
  std::string text = "{\"a\":\n [1 2]}";
  Cursor c(text, 5);
  ASSERT_TRUE(c.begin_array().ok());
  ASSERT_TRUE(*c.next_element());
  ASSERT_TRUE(c.number().ok());
  auto next = c.next_element();
  ASSERT_FALSE(next.ok());
  EXPECT_EQ(next.error().display(), "expected `,` or `]` at line 2 column 5");

  Cursor wrong("\"abc\"");
  auto n = wrong.number();
  ASSERT_FALSE(n.ok());
  EXPECT_EQ(n.error().message, "invalid type: string \"abc\", expected a number");

  Cursor trailing("1 x");
  ASSERT_TRUE(trailing.number().ok());
  EXPECT_EQ(trailing.finish().error().message, "trailing characters");
}

// Reading a number must judge its range exactly as the syntax pass does:
// long integer runs beyond the double range are faults, not infinities.
TEST(JsonCursor, NumbersBeyondTheDoubleRangeAreFaultsAsInParse) {
  const std::string zeros308(308, '0');
  const std::string cases[] = {
      "1" + zeros308,         // 1e308: finite
      "1" + zeros308 + "0",   // 1e309 written out in full
      "-1" + zeros308 + "0",  // -1e309
      "2" + zeros308 + ".5",  // fraction after an out-of-range integer part
      "1e309",
      "0." + zeros308 + "1e400",  // 1e91 after all
  };
  for (const std::string& text : cases) {
    auto parsed = parse(text);
    Cursor c(text);
    auto read = c.number();
    ASSERT_EQ(read.ok(), parsed.ok()) << text;
    if (parsed.ok()) {
      EXPECT_EQ(read->d, parsed->as_double()) << text;
    } else {
      EXPECT_EQ(read.error().display(), parsed.error().display()) << text;
      EXPECT_EQ(read.error().message, "number out of range") << text;
    }
  }
}

TEST(JsonCursor, DescribesTheNextValueForTypeFaults) {
  const std::pair<const char*, const char*> cases[] = {
      {"null", "null"},
      {"false", "boolean `false`"},
      {"7", "integer `7`"},
      {"[1]", "sequence"},
      {"{\"a\":1}", "map"},
      {"\"q\"", "string \"q\""},
      {"2.50", "floating point `2.5`"},
  };
  for (const auto& [text, want] : cases) {
    Cursor c(text);
    auto d = c.describe_next();
    ASSERT_TRUE(d.ok()) << text;
    EXPECT_EQ(*d, want) << text;
  }
}

}  // namespace
}  // namespace tolvex::json
