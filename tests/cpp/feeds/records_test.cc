// Reading the market-data records in both JSON forms; every expected fault
// text is the reader's wording for the shape at fault.
#include <gtest/gtest.h>

#include <string>

#include "feeds/documents.h"
#include "feeds/record_reader.h"

namespace tolvex::screener {
namespace {

std::string candle_fault(std::string_view text) {
  auto c = read_candle(text);
  return c.ok() ? "ok" : c.error().display();
}

TEST(RecordReader, CandleFormsAndDefaults) {
  for (std::string_view text :
       {R"({"time":1,"open":1,"high":2,"low":0.5,"close":1.5})", R"([1,1,2,0.5,1.5])",
        R"({"close":1.5,"low":0.5,"x":[{}],"high":2,"open":1,"time":1})",
        R"([1,1.0,2,0.5,1.5,0])"}) {
    auto c = read_candle(text);
    ASSERT_TRUE(c.ok()) << text << ": " << c.error().display();
    EXPECT_EQ(c->time, 1);
    EXPECT_EQ(c->open, 1.0);
    EXPECT_EQ(c->high, 2.0);
    EXPECT_EQ(c->low, 0.5);
    EXPECT_EQ(c->close, 1.5);
    EXPECT_EQ(c->volume, 0.0);
  }
  auto full = read_candle(R"({"time":-7,"open":1,"high":2,"low":0.5,"close":1.5,"volume":3e2})");
  ASSERT_TRUE(full.ok());
  EXPECT_EQ(full->time, -7);
  EXPECT_EQ(full->volume, 300.0);
}

TEST(RecordReader, CandleShapeFaults) {
  const std::pair<const char*, const char*> cases[] = {
      {"[1,1,2,0.5]", "parse: invalid length 4, expected struct Candle with 6 elements"},
      {"[]", "parse: invalid length 0, expected struct Candle with 6 elements"},
      {"[1,1,2,0.5,1.5,0,9]", "parse: invalid length 7, expected fewer elements in array"},
      {R"({"time":1.5,"open":1,"high":2,"low":0.5,"close":1.5})",
       "parse: invalid type: floating point `1.5`, expected i64"},
      {R"({"time":18446744073709551615,"open":1,"high":2,"low":0.5,"close":1.5})",
       "parse: invalid value: integer `18446744073709551615`, expected i64"},
      {R"({"time":1,"open":"1","high":2,"low":0.5,"close":1.5})",
       "parse: invalid type: string \"1\", expected f64"},
      // Several missing: the first in declaration order is named.
      {R"({"close":1,"open":1})", "parse: missing field `time`"},
      {R"({"time":1,"open":1,"close":1})", "parse: missing field `high`"},
      {R"({"time":1,"open":1,"open":2,"high":2,"low":0.5,"close":1.5})",
       "parse: duplicate field `open`"},
      {"5", "parse: invalid type: integer `5`, expected struct Candle"},
      {"null", "parse: invalid type: null, expected struct Candle"},
      {"[1,1,2,0.5,null]", "parse: invalid type: null, expected f64"},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(candle_fault(text), want) << text;
}

// Reads `text` with `read` and returns the reader's message ("ok" on success).
template <class F>
std::string fault_of(std::string_view text, F read) {
  json::Cursor c(text);
  auto r = read(c);
  return r.ok() ? "ok" : r.error().message;
}

TEST(RecordReader, SideRecordsInBothForms) {
  json::Cursor tick_cursor("[-0.01,1,2,3,4,5,6,7,8,9,10]");
  auto tick = read_derivatives_tick(tick_cursor);
  ASSERT_TRUE(tick.ok()) << tick.error().message;
  EXPECT_EQ(tick->funding_rate, -0.01);
  EXPECT_EQ(tick->short_liquidation, 10.0);
  EXPECT_EQ(tick->timestamp, 0);

  json::Cursor book_cursor(R"({"asks":[[101,2]],"bids":[{"size":1,"price":100},[99,3]]})");
  auto book = read_order_book(book_cursor);
  ASSERT_TRUE(book.ok()) << book.error().message;
  ASSERT_EQ(book->bids.size(), 2u);
  EXPECT_EQ(book->bids[0].price, 100.0);
  EXPECT_EQ(book->bids[1].size, 3.0);
  EXPECT_EQ(book->asks[0].price, 101.0);

  json::Cursor section_cursor(R"([[{"change":-5,"volume":1,"new_low":true},[1,2,true]],9])");
  auto section = read_cross_section(section_cursor);
  ASSERT_TRUE(section.ok()) << section.error().message;
  EXPECT_EQ(section->timestamp, 9);
  ASSERT_EQ(section->members.size(), 2u);
  EXPECT_TRUE(section->members[0].new_low);
  EXPECT_FALSE(section->members[0].new_high);
  EXPECT_TRUE(section->members[1].new_high);
  EXPECT_FALSE(section->members[1].above_ma);

  json::Cursor trade_cursor(
      R"([{"price":10,"size":1,"side":"sell","timestamp":4},[10,1,{"buy":null}]])");
  std::vector<TradePrint> trades;
  ASSERT_TRUE(read_array(trade_cursor, trades, read_trade).ok());
  ASSERT_EQ(trades.size(), 2u);
  EXPECT_EQ(trades[0].side, TradeSide::Sell);
  EXPECT_EQ(trades[0].timestamp, 4);
  EXPECT_EQ(trades[1].side, TradeSide::Buy);
}

TEST(RecordReader, SideRecordShapeFaults) {
  const std::pair<const char*, const char*> trade_cases[] = {
      {R"([10,1,"BUY"])", "unknown variant `BUY`, expected `buy` or `sell`"},
      {R"([10,1,{"BUY":null}])", "unknown variant `BUY`, expected `buy` or `sell`"},
      {R"([10,1,{"buy":1}])", "invalid type: integer `1`, expected unit"},
      {R"([10,1,{}])", "invalid value: map, expected map with a single key"},
      {R"([10,1,{"buy":null,"sell":null}])", "invalid value: map, expected map with a single key"},
      {R"([10,1,5])", "invalid type: integer `5`, expected string or map"},
      {R"([10,1])", "invalid length 2, expected struct TradePrint with 4 elements"},
      {R"({"price":10,"size":1})", "missing field `side`"},
  };
  for (const auto& [text, want] : trade_cases) EXPECT_EQ(fault_of(text, read_trade), want) << text;

  EXPECT_EQ(fault_of("[1,2,3,4,5,6,7,8,9,10]", read_derivatives_tick),
            "invalid length 10, expected struct DerivativesTick with 12 elements");
  EXPECT_EQ(fault_of(R"({"bids":[]})", read_order_book), "missing field `asks`");
  EXPECT_EQ(fault_of(R"({"bids":{},"asks":[]})", read_order_book),
            "invalid type: map, expected a sequence");
  EXPECT_EQ(fault_of("[[[1]],[]]", read_order_book),
            "invalid length 1, expected struct Level with 2 elements");
  EXPECT_EQ(fault_of("[]", read_cross_section),
            "invalid length 0, expected struct CrossSection with 2 elements");
  EXPECT_EQ(fault_of("[[[1,2,1]]]", read_cross_section),
            "invalid type: integer `1`, expected a boolean");
  EXPECT_EQ(fault_of("\"x\"", read_cross_section_member),
            "invalid type: string \"x\", expected struct CrossSectionMember");
}

}  // namespace
}  // namespace tolvex::screener

namespace tolvex::screener {
namespace {

// Plain candles take a shortcut; anything off its narrow shape must end up
// exactly where the general reader would.
TEST(RecordReader, CandleShortcutAgreesWithTheGeneralReader) {
  const std::pair<const char*, const char*> cases[] = {
      {R"( { "time" : 5 , "open":1,"high":2,"low":0.5,"close":1.5 , "volume" : 2 } )", "ok"},
      {R"({"time":1,"open":1,"high":2,"low":0.5,"close":1.5,"volume":1,"time":2})",
       "parse: duplicate field `time`"},
      {R"({"time":1,"open":1,"high":2,"low":0.5,"close":1.5,"volume":1,"x":2})", "ok"},
      {R"({"time":1,"open":1,"high":2,"low":0.5})", "parse: missing field `close`"},
      {R"({"time":-1.0,"open":1,"high":2,"low":0.5,"close":1.5})",
       "parse: invalid type: floating point `-1.0`, expected i64"},
      {R"({"time":9223372036854775808,"open":1,"high":2,"low":0.5,"close":1.5})",
       "parse: invalid value: integer `9223372036854775808`, expected i64"},
      {R"({"\u0074ime":1,"open":1,"high":2,"low":0.5,"close":1.5})", "ok"},
      {"[1,1,2,0.5,1.5,2,3]", "parse: invalid length 7, expected fewer elements in array"},
      {R"([1,1,2,0.5,true])", "parse: invalid type: boolean `true`, expected f64"},
      {R"([1,1,2,0.5,1.5)", "parse: EOF while parsing a list"},
  };
  for (const auto& [text, want] : cases) {
    auto c = read_candle(text);
    EXPECT_EQ(c.ok() ? "ok" : c.error().display(), want) << text;
  }
  auto c = read_candle(R"({"time":-9223372036854775808,"open":0.1,"high":2,"low":0.5,"close":1})");
  ASSERT_TRUE(c.ok());
  EXPECT_EQ(c->time, INT64_MIN);
  EXPECT_EQ(c->open, 0.1);
}

}  // namespace
}  // namespace tolvex::screener
