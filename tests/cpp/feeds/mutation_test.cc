// Damaged documents: random byte edits of a valid scan command. The outline
// pass must judge them exactly as the DOM reader does, and the data reader
// must fail cleanly (never crash) on whatever the outline lets through.
#include <gtest/gtest.h>

#include <string>

#include "feeds/documents.h"
#include "json/byte_edits.h"
#include "json/json.h"

namespace tolvex::screener {
namespace {

TEST(DamagedDocuments, OutlineAgreesWithParseAndReadersFailCleanly) {
  const std::string seed =
      R"({"cmd":"scan","data":{"A":[[1,1,2,0.5,1.5,3],{"time":2,"open":1.5,"high":2e0,"low":1,)"
      R"("close":1.25}],"B\u00e9":{"candles":[],"trades":[],"books":[{"bids":[[1,2]],)"
      R"("asks":[[2,1]]}],"sections":[[[[-1,2,true,false]],7]],"derivs":null},)"
      R"("C":[[[1,1,2,0.5,1.5]],null,[[0.1,1,1,1,0,0,0,0,0,0,0,-3]]]},"x":[true,"\n"]})";
  json::testing::ByteEdits edits(7, "{}[],:\"\\-.e0123456789 tnfu");
  int accepted = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string text = edits.apply(seed);
    auto dom = json::parse(text);
    auto spans = json::outline(text);
    ASSERT_EQ(dom.ok(), spans.ok()) << text;
    if (!dom.ok()) {
      ASSERT_EQ(dom.error().display(), spans.error().display()) << text;
      continue;
    }
    ++accepted;
    if (const json::MemberSpan* data = spans->find("data")) {
      auto read =
          read_scan_data(std::string_view(text).substr(data->begin, data->end - data->begin));
      if (read.ok()) {
        for (const auto& [symbol, series] : *read) (void)validate_series(symbol, series);
      } else {
        ASSERT_EQ(read.error().kind, ScreenerError::Kind::Parse);
      }
      // The DOM route must reach the same verdict as the text route.
      auto via_dom = read_scan_data(*dom->find("data"));
      ASSERT_EQ(via_dom.ok(), read.ok()) << text;
    }
  }
  EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace tolvex::screener
