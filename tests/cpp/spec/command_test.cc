// The command dispatcher as a client meets it: exact reply texts for
// malformed, incomplete and rejected commands, and no crash or hang on
// damaged or random command texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "json/byte_edits.h"
#include "json/json.h"
#include "screener.h"

namespace tolvex::screener {
namespace {

constexpr const char* kSpec =
    R"({"universe":["AAA","BBB"],"condition":{"type":"cmp","left":{"kind":"price",)"
    R"("field":"close"},"op":"gt","right":{"kind":"const","value":1}}})";
constexpr const char* kCandle = R"({"time":1,"open":1,"high":2,"low":0.5,"close":1.5})";

std::unique_ptr<Screener> fresh(const char* spec = kSpec) {
  auto s = Screener::create(spec);
  EXPECT_TRUE(s.ok()) << s.error().display();
  return std::move(s).value();
}

std::string error(const std::string& message) {
  std::string out;
  json::write_string(out, message);
  return "{\"error\":" + out + ",\"ok\":false}";
}

const std::string kOk = R"({"ok":true})";

// `n` array-form candles.
std::string candles(int n) {
  std::string out = "[";
  for (int i = 0; i < n; ++i) out += (i ? "," : "") + std::string("[1,1,2,0.5,1.5]");
  return out + "]";
}

// `n` copies of `item` with `special` at index `at`.
std::string series(int n, const std::string& item, int at = -1, const std::string& special = "") {
  std::string out = "[";
  for (int i = 0; i < n; ++i) out += (i ? "," : "") + (i == at ? special : item);
  return out + "]";
}

// Each row: a command text and the exact reply on a fresh instance.
TEST(Command, RepliesByteForByte) {
  const std::string book = R"({"bids":[[100,1]],"asks":[[101,1]]})";
  const std::string section = R"({"members":[[1,1]]})";
  const std::pair<std::string, std::string> cases[] = {
      {"", error("parse: EOF while parsing a value at line 1 column 0")},
      {" \n ", error("parse: EOF while parsing a value at line 2 column 1")},
      {"{}", error("bad spec: missing \"cmd\"")},
      {"[]", error("bad spec: missing \"cmd\"")},
      {"\"version\"", error("bad spec: missing \"cmd\"")},
      {R"({"cmd":5})", error("bad spec: missing \"cmd\"")},
      {R"({"cmd":null})", error("bad spec: missing \"cmd\"")},
      {R"({"cmd":"version","cmd":5})", error("bad spec: missing \"cmd\"")},
      {R"({"cmd":"Scan"})", error("bad spec: unknown cmd: Scan")},
      {R"({"cmd":""})", error("bad spec: unknown cmd: ")},
      {R"({"cmd":"a\"\u0001\n"})", error("bad spec: unknown cmd: a\"\x01\n")},
      {R"({"cmd":"\u0076ersion"})", R"({"version":"0.3.0"})"},
      {"\t{\"cmd\":\"version\"}\r\n", R"({"version":"0.3.0"})"},
      {R"({"cmd":"version"} x)", error("parse: trailing characters at line 1 column 19")},
      {"{\"cmd\":\"version\",\n}", error("parse: trailing comma at line 2 column 1")},
      {R"({"cmd":"reset","cmd":"version"})", R"({"version":"0.3.0"})"},
      {std::string(129, '['), error("parse: recursion limit exceeded at line 1 column 129")},
      {std::string(128, '[') + std::string(128, ']'), error("bad spec: missing \"cmd\"")},
      // Request members, in the order each command reads them.
      {R"({"cmd":"feed","candle":[1]})", error("bad spec: missing string \"symbol\"")},
      {R"({"cmd":"feed","symbol":7})", error("bad spec: missing string \"symbol\"")},
      {R"({"cmd":"feed","symbol":"AAA"})", error("bad spec: missing \"candle\"")},
      {R"({"cmd":"feed_batch","symbol":"AAA"})", error("bad spec: missing \"candles\"")},
      {R"({"cmd":"scan"})", error("bad spec: missing \"data\"")},
      {R"({"cmd":"set_spec"})", error("bad spec: missing \"spec\"")},
      {R"({"cmd":"feed","symbol":"AAA","candle":null})",
       error("parse: invalid type: null, expected struct Candle")},
      {R"({"cmd":"feed","symbol":"AAA","candle":[1,1,2,0.5]})",
       error("parse: invalid length 4, expected struct Candle with 6 elements")},
      {R"({"cmd":"feed","symbol":"AAA","candle":{"time":1.5,"open":1,"high":2,"low":0.5,"close":1}})",
       error("parse: invalid type: floating point `1.5`, expected i64")},
      {R"({"cmd":"feed","symbol":"AAA","candle":[18446744073709551615,1,2,0.5,1.5]})",
       error("parse: invalid value: integer `18446744073709551615`, expected i64")},
      {std::string(R"({"cmd":"feed","symbol":"AAA","candle":)") + kCandle + R"(,"feeds":null})",
       error("parse: invalid type: null, expected struct StepFeeds")},
      {std::string(R"({"cmd":"feed","symbol":"AAA","candle":)") + kCandle +
           R"(,"feeds":[null,null,null,null,null,null]})",
       error("parse: invalid length 6, expected fewer elements in array")},
      {std::string(R"({"cmd":"feed","symbol":"AAA","candle":)") + kCandle + R"(,"feeds":[5]})",
       kOk},
      {std::string(R"({"cmd":"feed","symbol":"ZZZ","candle":)") + kCandle + "}",
       error("symbol ZZZ is not in the spec's universe")},
      // The candle is read before the feeds, the feeds before the symbol
      // is looked up.
      {R"({"cmd":"feed","symbol":"ZZZ","candle":[1],"feeds":null})",
       error("parse: invalid length 1, expected struct Candle with 6 elements")},
      {std::string(R"({"cmd":"feed","symbol":"ZZZ","candle":)") + kCandle +
           R"(,"feeds":{"orderbook":{"bids":[[100,1]],"asks":[[100,1]]}}})",
       error("feed: ZZZ: books: invalid input data: invalid order book: order book must be "
             "uncrossed (best_bid < best_ask)")},
      {std::string(R"({"cmd":"feed_batch","symbol":"AAA","candles":[],"feeds":)") +
           R"({"trades":[{"price":1,"size":-1,"side":"sell"}]}})",
       error("feed: AAA: feed: invalid input data: invalid trade: trade size must be finite and "
             "non-negative")},
      {std::string(R"({"cmd":"feed","symbol":"AAA","candle":)") + kCandle +
           R"(,"feeds":{"trades":[{"price":1,"size":1,"side":"BUY"}]}})",
       error("parse: unknown variant `BUY`, expected `buy` or `sell`")},
      {R"({"cmd":"feed_batch","symbol":"AAA","candles":[]})", kOk},
      // Scan data.
      {R"({"cmd":"scan","data":[]})", error("parse: invalid type: sequence, expected a map")},
      {R"({"cmd":"scan","data":{"A":{"derivs":[]}}})",
       error("parse: data did not match any variant of untagged enum SymbolInput")},
      {R"({"cmd":"scan","data":{"AAA":{"candles":)" + candles(10) + R"(,"books":)" +
           series(9, book) + "}}}",
       error("AAA: books feed length 9 does not match 10 candles")},
      {R"({"cmd":"scan","data":{"ZZZ":{"candles":)" + candles(10) + R"(,"books":)" +
           series(9, book) + "}}}",
       R"({"matches":[],"scanned":0,"missing":["AAA","BBB"]})"},
      // Sections are checked before trades whatever the steps.
      {R"({"cmd":"scan","data":{"AAA":{"candles":)" + candles(6) + R"(,"trades":)" +
           series(6, "[]", 2, R"([{"price":1,"size":-1,"side":"buy"}])") + R"(,"sections":)" +
           series(6, section, 5, R"({"members":[]})") + "}}}",
       error("feed: AAA: feed: invalid input data: invalid cross-section: cross-section must "
             "contain at least one member")},
      // Specifications.
      {R"({"cmd":"set_spec","spec":5})", error("parse: invalid type: integer `5`, expected struct "
                                               "ScanSpec")},
      {R"({"cmd":"set_spec","spec":{"universe":[],"limit":0}})",
       error("parse: missing field `condition`")},
      {R"({"cmd":"set_spec","spec":{"universe":[],"limit":0,"condition":{"type":"all",)"
       R"("conditions":[]}}})",
       error("bad spec: universe is empty")},
      {R"({"cmd":"set_spec","spec":{"universe":["A"],"reference":"a","condition":{"type":)"
       R"("all","conditions":[]}}})",
       error("bad spec: reference symbol a is not in the universe")},
      {R"({"cmd":"evaluate"})", R"({"matches":[],"scanned":0,"missing":["AAA","BBB"]})"},
  };
  for (const auto& [text, reply] : cases) EXPECT_EQ(fresh()->command(text), reply) << text;
}

TEST(Command, FailedCommandsLeaveTheInstanceUsable) {
  auto s = fresh();
  const std::string feed = std::string(R"({"cmd":"feed","symbol":"AAA","candle":)") + kCandle + "}";
  const std::string evaluate = R"({"cmd":"evaluate"})";
  ASSERT_EQ(s->command(feed), kOk);
  const std::string one = s->command(evaluate);
  EXPECT_NE(one.find(R"("scanned":1)"), std::string::npos) << one;
  // A rejected spec keeps both the spec and the live universe.
  EXPECT_EQ(s->command(R"({"cmd":"set_spec","spec":{"universe":["AAA"],"limit":0,)"
                       R"("condition":{"type":"all","conditions":[]}}})"),
            error("bad spec: limit must be greater than 0"));
  EXPECT_EQ(s->command("{"), error("parse: EOF while parsing an object at line 1 column 1"));
  EXPECT_EQ(s->command(evaluate), one);
  // A rejected feed step stores nothing.
  EXPECT_EQ(s->command(R"({"cmd":"feed","symbol":"BBB","candle":)" + std::string(kCandle) +
                       R"(,"feeds":{"cross_section":{"members":[]}}})"),
            error("feed: BBB: sections: invalid input data: invalid cross-section: "
                  "cross-section must contain at least one member"));
  EXPECT_EQ(s->command(evaluate), one);
}

// Replies must always be one of the documented shapes.
void expect_well_formed(const std::string& reply, const std::string& text) {
  auto doc = json::parse(reply);
  ASSERT_TRUE(doc.ok()) << text << " -> " << reply;
  ASSERT_TRUE(doc->is_object()) << text << " -> " << reply;
  if (const json::Value* e = doc->find("error")) {
    ASSERT_TRUE(e->is_string()) << reply;
    ASSERT_EQ(reply.rfind("{\"error\":", 0), 0u) << reply;
    ASSERT_EQ(reply.substr(reply.size() - 12), ",\"ok\":false}") << reply;
  } else {
    ASSERT_TRUE(reply == kOk || reply == R"({"version":"0.3.0"})" ||
                reply.rfind("{\"matches\":", 0) == 0)
        << text << " -> " << reply;
  }
}

// Byte edits of valid commands, plus plain random texts. Whatever comes
// out of them, the dispatcher must answer with a well-formed reply, and
// the constructor must accept or reject a damaged specification cleanly.
TEST(Command, DamagedAndRandomTextsGetWellFormedReplies) {
  const std::string seeds[] = {
      R"({"cmd":"scan","data":{"AAA":{"candles":[[1,1,2,0.5,1.5,3],{"time":2,"open":1.5,)"
      R"("high":2,"low":1,"close":1.25}],"trades":[[],[{"price":1,"size":2,"side":"sell"}]],)"
      R"("books":[{"bids":[[1,2]],"asks":[[2,1]]},[[[1.5,1]],[[3,1]]]],"sections":)"
      R"([[[[-1,2,true,false]],7],{"members":[{"change":1,"volume":0}]}],"derivs":null},)"
      R"("BBB":[[1,1,2,0.5,1.5]]}})",
      R"({"cmd":"feed","symbol":"AAA","candle":[1,1,2,0.5,1.5],"feeds":{"reference":2,)"
      R"("deriv":[0.01,1,1,1,0,0,0,0,0,0,0],"orderbook":{"bids":[[1,1]],"asks":[[2,1]]},)"
      R"("trades":[[1,1,"buy"]],"cross_section":{"members":[[1,1]]}}})",
      R"({"cmd":"feed_batch","symbol":"BBB","candles":[[1,1,2,0.5,1.5],[2,1,3,0.5,2.5]]})",
      R"({"cmd":"set_spec","spec":{"universe":["AAA","BBB"],"reference":"AAA","limit":3,)"
      R"("breadth":{"period":2,"ma_period":3,"pnf_box":0.5,"pnf_reversal":1},"rank":)"
      R"({"by":{"kind":"indicator","name":"Sma","params":[2]},"desc":true},"condition":)"
      R"({"type":"all","conditions":[{"type":"rising","expr":{"kind":"prev","of":{"kind":)"
      R"("price","field":"hlc3"},"bars":1},"bars":1},{"type":"breadth","inner":{"type":)"
      R"("not","condition":{"type":"between","value":{"kind":"add","left":{"kind":"const",)"
      R"("value":1},"right":{"kind":"price","field":"close"}},"low":{"kind":"const",)"
      R"("value":0},"high":{"kind":"indicator","name":"Ema","params":[3]}}},"op":"ge",)"
      R"("ratio":0.5},{"type":"cross_section","expr":{"kind":"price","field":"close"},)"
      R"("metric":"z_score","op":"gt","value":0}]}}})",
      R"({"cmd":"evaluate"})",
      R"({"cmd":"reset"})",
  };
  json::testing::ByteEdits edits(20240611, "{}[],:\"\\-.e0123456789 tnfu\x01\xc3\xa9");
  auto s = fresh();
  for (int round = 0; round < 40000; ++round) {
    std::string text;
    if (round % 10 == 9) {
      for (std::size_t n = edits.below(40); n > 0; --n) text += edits.any_byte();
    } else {
      text = edits.apply(seeds[edits.below(std::size(seeds))]);
    }
    const std::string reply = s->command(text);
    expect_well_formed(reply, text);
    if (HasFatalFailure()) return;
    // The same text's spec member, if any, through the constructor.
    if (auto outline = json::outline(text); outline.ok()) {
      if (const json::MemberSpan* m = outline->find("spec")) {
        auto made = Screener::create(std::string_view(text).substr(m->begin, m->end - m->begin));
        if (!made.ok()) {
          auto kind = made.error().kind;
          ASSERT_TRUE(kind == ScreenerError::Kind::Parse || kind == ScreenerError::Kind::BadSpec)
              << made.error().display();
        }
      }
    }
  }
}

}  // namespace
}  // namespace tolvex::screener
