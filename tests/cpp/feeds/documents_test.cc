// The scan data map, the step feeds and their validation.
#include <gtest/gtest.h>

#include <string>

#include "feeds/documents.h"

namespace tolvex::screener {
namespace {

// `n` valid candles (array form) as a JSON array text.
std::string candles(int n) {
  std::string out = "[";
  for (int i = 0; i < n; ++i) {
    if (i) out += ',';
    out += '[';
    out += std::to_string(i);
    out += ",10,11,9,10.5,1]";
  }
  return out + "]";
}

// A JSON array of `n` copies of `item`, with `special` at index `at`.
std::string repeated(int n, const std::string& item, int at = -1, const std::string& special = "") {
  std::string out = "[";
  for (int i = 0; i < n; ++i) {
    if (i) out += ',';
    out += i == at ? special : item;
  }
  return out + "]";
}

std::string fault(const Result<ScanData, ScreenerError>& r) {
  return r.ok() ? "ok" : r.error().display();
}

TEST(ScanData, BothInputFormsAndTheirOrdering) {
  auto data =
      read_scan_data(R"({"B":)" + candles(2) +
                     R"(,"A":{"candles":[],"books":null,"x":1},"C":[[[1,1,2,0.5,1.5]],null,[]]})");
  ASSERT_TRUE(data.ok()) << data.error().display();
  ASSERT_EQ(data->size(), 3u);
  EXPECT_EQ(data->begin()->first, "A");
  const SymbolSeries& a = data->at("A");
  EXPECT_TRUE(a.candles.empty());
  EXPECT_FALSE(a.books.has_value());
  EXPECT_EQ(data->at("B").candles.size(), 2u);
  EXPECT_EQ(data->at("B").candles[1].time, 1);
  // An array whose first element is not a candle is the series' array form.
  const SymbolSeries& c = data->at("C");
  EXPECT_EQ(c.candles.size(), 1u);
  EXPECT_FALSE(c.reference.has_value());
  ASSERT_TRUE(c.derivs.has_value());
  EXPECT_TRUE(c.derivs->empty());
}

TEST(ScanData, RepeatedSymbolKeepsItsLastValue) {
  auto data = read_scan_data(R"({"A":)" + candles(3) + R"(,"A":{"candles":[]}})");
  ASSERT_TRUE(data.ok());
  EXPECT_TRUE(data->at("A").candles.empty());
  // Every value must fit a form, whichever repetition of the symbol is
  // kept: a bad value is a fault even when a good one replaces it.
  for (const char* text : {R"({"A":{"derivs":[]},"A":[]})", R"({"A":[],"A":5})"}) {
    EXPECT_EQ(fault(read_scan_data(text)),
              "parse: data did not match any variant of untagged enum SymbolInput")
        << text;
  }
}

TEST(ScanData, ShapeFaults) {
  const std::string kUntagged =
      "parse: data did not match any variant of untagged enum SymbolInput";
  const std::pair<std::string, std::string> cases[] = {
      {R"({"A":{"derivs":[]}})", kUntagged},
      {R"({"A":{"candles":[],"candles":[]}})", kUntagged},
      {R"({"A":[[1,1,2]]})", kUntagged},
      {R"({"A":{"candles":[],"trades":[[5]]}})", kUntagged},
      {R"({"A":null})", kUntagged},
      {"[]", "parse: invalid type: sequence, expected a map"},
      {"null", "parse: invalid type: null, expected a map"},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(fault(read_scan_data(text)), want) << text;
}

TEST(ScanData, DomValuesReadLikeText) {
  auto v = json::parse(R"({"candle":{"time":1,"open":1,"open":1,"high":2,"low":0.5,"close":1}})");
  ASSERT_TRUE(v.ok());
  auto c = read_candle(*v->find("candle"));
  ASSERT_FALSE(c.ok());
  EXPECT_EQ(c.error().display(), "parse: duplicate field `open`");
  auto list = json::parse(candles(3));
  auto read = read_candles(*list);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read->size(), 3u);
  EXPECT_EQ(read_candles(json::Value::object()).error().display(),
            "parse: invalid type: map, expected a sequence");
}

TEST(StepFeedsReader, FormsAndFaults) {
  for (std::string_view empty :
       {"{}", "[]", "[null,null,null,null,null]", R"({"deriv":null,"z":1})"}) {
    auto f = read_step_feeds(empty);
    ASSERT_TRUE(f.ok()) << empty;
    auto step = validate_step_feeds("A", std::move(*f));
    ASSERT_TRUE(step.ok());
    EXPECT_FALSE(step->supplied.reference || step->supplied.derivs || step->supplied.books ||
                 step->supplied.trades || step->supplied.sections)
        << empty;
  }
  auto ref = read_step_feeds("[5]");
  ASSERT_TRUE(ref.ok());
  EXPECT_EQ(ref->reference, 5.0);

  const std::pair<const char*, const char*> cases[] = {
      {"[null,null,null,null,null,null]",
       "parse: invalid length 6, expected fewer elements in array"},
      {"null", "parse: invalid type: null, expected struct StepFeeds"},
      {"7", "parse: invalid type: integer `7`, expected struct StepFeeds"},
      {R"({"reference":"x"})", "parse: invalid type: string \"x\", expected f64"},
      {R"({"trades":[],"trades":null})", "parse: duplicate field `trades`"},
      {R"({"orderbook":{"bids":[]}})", "parse: missing field `asks`"},
  };
  for (const auto& [text, want] : cases) {
    auto f = read_step_feeds(text);
    EXPECT_EQ(f.ok() ? "ok" : f.error().display(), want) << text;
  }
}

const char* kGoodBook = R"({"bids":[[100,1]],"asks":[[101,1]]})";
const char* kCrossedBook = R"({"bids":[[100,1]],"asks":[[100,1]]})";
const char* kGoodTick = "[0.01,1,1,1,0,0,0,0,0,0,0]";
const char* kBadTick = "[0.01,0,1,1,0,0,0,0,0,0,0]";
const char* kGoodSection = R"({"members":[[-5,1]]})";
const char* kEmptySection = R"({"members":[]})";

std::string step_fault(const std::string& feeds) {
  auto f = read_step_feeds(feeds);
  if (!f.ok()) return f.error().display();
  auto step = validate_step_feeds("A", std::move(*f));
  return step.ok() ? "ok" : step.error().display();
}

TEST(StepFeedsValidation, ReportsTheFirstBadRecordInFeedOrder) {
  const std::string crossed =
      "feed: A: books: invalid input data: invalid order book: order book "
      "must be uncrossed (best_bid < best_ask)";
  const std::pair<std::string, std::string> cases[] = {
      {std::string(R"({"orderbook":)") + kCrossedBook + R"(,"trades":[[1,-1,"buy"]]})", crossed},
      {std::string(R"({"cross_section":)") + kEmptySection + R"(,"deriv":)" + kBadTick + "}",
       "feed: A: derivs: invalid input data: invalid derivatives tick: mark_price, index_price "
       "and futures_price must be finite and positive"},
      {std::string(R"({"trades":[[1,-1,"buy"]],"cross_section":)") + kEmptySection + "}",
       "feed: A: feed: invalid input data: invalid trade: trade size must be finite and "
       "non-negative"},
      {std::string(R"({"cross_section":)") + kEmptySection + "}",
       "feed: A: sections: invalid input data: invalid cross-section: cross-section must contain "
       "at least one member"},
  };
  for (const auto& [feeds, want] : cases) EXPECT_EQ(step_fault(feeds), want) << feeds;
}

TEST(StepFeedsValidation, HandsOverTheValidatedStep) {
  auto f = read_step_feeds(std::string(R"({"reference":2.5,"deriv":)") + kGoodTick +
                           R"(,"orderbook":)" + kGoodBook + R"(,"trades":[[10,-0.0,"buy"]],)" +
                           R"("cross_section":)" + kGoodSection + "}");
  ASSERT_TRUE(f.ok()) << f.error().display();
  auto step = validate_step_feeds("A", std::move(*f));
  ASSERT_TRUE(step.ok()) << step.error().display();
  EXPECT_EQ(step->reference, 2.5);
  EXPECT_EQ(step->orderbook->asks[0].price, 101.0);
  EXPECT_EQ(step->trades.size(), 1u);
  EXPECT_EQ(step->cross_section->members[0].change, -5.0);
  EXPECT_TRUE(step->supplied.reference && step->supplied.derivs && step->supplied.books &&
              step->supplied.trades && step->supplied.sections);

  // An empty trade list is given but supplies nothing.
  auto empty = validate_step_feeds("A", *read_step_feeds(R"({"trades":[]})"));
  ASSERT_TRUE(empty.ok());
  EXPECT_FALSE(empty->supplied.trades);
}

std::string series_fault(const std::string& series) {
  auto data = read_scan_data(R"({"A":)" + series + "}");
  if (!data.ok()) return data.error().display();
  auto s = validate_series("A", data->at("A"));
  return s.ok() ? "ok" : s.error().display();
}

TEST(SeriesValidation, LengthsThenRecords) {
  const std::string ten = candles(10);
  const std::pair<std::string, std::string> cases[] = {
      {R"({"candles":[]})", "ok"},
      {R"({"candles":)" + ten + R"(,"books":)" + repeated(9, kGoodBook) + "}",
       "A: books feed length 9 does not match 10 candles"},
      // Lengths are checked in series order before any record.
      {R"({"candles":)" + ten + R"(,"sections":[],"reference":)" + candles(11) + R"(,"derivs":)" +
           repeated(10, kBadTick) + "}",
       "A: reference feed length 11 does not match 10 candles"},
      {R"({"candles":)" + ten + R"(,"trades":)" + repeated(10, "[]") + "}", "ok"},
      {R"({"candles":)" + ten + R"(,"trades":)" + repeated(9, "[]") + "}",
       "A: trades feed length 9 does not match 10 candles"},
      // Sections are validated before trades whatever the step.
      {R"({"candles":)" + ten + R"(,"trades":)" + repeated(10, "[]", 2, "[[1,-1,\"sell\"]]") +
           R"(,"sections":)" + repeated(10, kGoodSection, 5, kEmptySection) + "}",
       "feed: A: feed: invalid input data: invalid cross-section: cross-section must contain at "
       "least one member"},
      {R"({"candles":)" + ten + R"(,"books":)" + repeated(10, kGoodBook, 9, kCrossedBook) +
           R"(,"derivs":)" + repeated(10, kGoodTick) + "}",
       "feed: A: feed: invalid input data: invalid order book: order book must be uncrossed "
       "(best_bid < best_ask)"},
      {R"({"candles":)" + ten + R"(,"books":)" + repeated(10, kCrossedBook) + R"(,"derivs":)" +
           repeated(10, kGoodTick, 3, kBadTick) + "}",
       "feed: A: feed: invalid input data: invalid derivatives tick: mark_price, index_price and "
       "futures_price must be finite and positive"},
      // Reference candles are not validated (high below low here).
      {R"({"candles":[[1,1,2,0.5,1.5]],"reference":[[1,1,0,5,1]]})", "ok"},
  };
  for (const auto& [series, want] : cases) EXPECT_EQ(series_fault(series), want) << series;
}

TEST(SeriesValidation, SuppliedFeedsFollowPresentSeries) {
  auto data = read_scan_data(R"({"A":{"candles":[],"trades":[],"books":null,"derivs":[]}})");
  ASSERT_TRUE(data.ok());
  SuppliedFeeds f = supplied_feeds(data->at("A"));
  EXPECT_TRUE(f.trades);
  EXPECT_TRUE(f.derivs);
  EXPECT_FALSE(f.books || f.reference || f.sections);
}

}  // namespace
}  // namespace tolvex::screener
