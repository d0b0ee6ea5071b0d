// JSON reading of the market-data records, straight from a cursor.
//
// Every record accepts its object form (fields by key, unknown keys
// ignored, a repeated field is a fault, a missing required field is a
// fault naming the first one in declaration order) and its array form
// (fields in declaration order; the trailing optional field may be left
// out). Reading never validates values: that is the records' own
// constructors' job. Faults are the reader's typed messages
// ("invalid length 4, expected struct Candle with 6 elements", ...).
#pragma once

#include <vector>

#include "json/json.h"
#include "records.h"

namespace tolvex::screener {

Result<Candle, json::Error> read_candle(json::Cursor& c);
Result<DerivativesTick, json::Error> read_derivatives_tick(json::Cursor& c);
Result<Level, json::Error> read_level(json::Cursor& c);
Result<OrderBook, json::Error> read_order_book(json::Cursor& c);
Result<TradePrint, json::Error> read_trade(json::Cursor& c);
Result<TradeSide, json::Error> read_trade_side(json::Cursor& c);
Result<CrossSection, json::Error> read_cross_section(json::Cursor& c);
Result<CrossSectionMember, json::Error> read_cross_section_member(json::Cursor& c);

// A JSON array of records ("invalid type: ..., expected a sequence"
// otherwise), appended to `out`.
template <class T>
Status<json::Error> read_array(json::Cursor& c, std::vector<T>& out,
                               Result<T, json::Error> (*read_one)(json::Cursor&)) {
  if (auto s = c.begin_array(); !s) return err(std::move(s).error());
  for (;;) {
    auto more = c.next_element();
    if (!more) return err(std::move(more).error());
    if (!*more) return Unit{};
    auto item = read_one(c);
    if (!item) return err(std::move(item).error());
    out.push_back(std::move(*item));
  }
}

}  // namespace tolvex::screener
