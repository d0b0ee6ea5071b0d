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

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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

// The two forms of any record-like document with `n` fields, of which the
// first `required` are required: an object keyed by `key_at(i)` (unknown
// keys skipped, a repeated field a fault, the first missing required field
// a fault) or an array of the fields in order (at least `required`, at most
// `n` elements). `read_at(c, i)` reads field i at the cursor. Anything else
// is an "invalid type" fault expecting `name`; a short array expects
// `with_elements`.
template <class KeyAt, class ReadAt>
Status<json::Error> read_fields(json::Cursor& c, std::size_t n, std::size_t required,
                                std::string_view name, std::string_view with_elements, KeyAt key_at,
                                ReadAt read_at) {
  auto type = c.peek();
  if (!type) return err(std::move(type).error());
  if (*type == json::Value::Type::kArray) {
    if (auto s = c.begin_array(); !s) return s;
    std::size_t count = 0;
    for (;;) {
      auto more = c.next_element();
      if (!more) return err(std::move(more).error());
      if (!*more) break;
      if (count == n) {
        // Too long: the fault names the whole length, so count the rest.
        for (;;) {
          if (auto s = c.skip(); !s) return s;
          ++count;
          auto next = c.next_element();
          if (!next) return err(std::move(next).error());
          if (!*next) break;
        }
        return err(c.fault(json::invalid_length(count, "fewer elements in array")));
      }
      if (auto s = read_at(c, count); !s) return s;
      ++count;
    }
    if (count < required) return err(c.fault(json::invalid_length(count, with_elements)));
    return Unit{};
  }
  if (*type != json::Value::Type::kObject) {
    auto what = c.describe_next();
    if (!what) return err(std::move(what).error());
    return err(c.fault(json::invalid_type(*what, name)));
  }
  if (auto s = c.begin_object(); !s) return s;
  std::uint32_t seen = 0;  // records have far fewer than 32 fields
  std::size_t guess = 0;   // keys usually come in declaration order
  std::string scratch;
  for (;;) {
    std::string_view key;
    auto more = c.next_key(key, scratch);
    if (!more) return err(std::move(more).error());
    if (!*more) break;
    std::size_t index = n;
    if (guess < n && key_at(guess) == key) {
      index = guess;
    } else {
      for (std::size_t i = 0; i < n; ++i) {
        if (key_at(i) == key) {
          index = i;
          break;
        }
      }
    }
    if (index == n) {
      if (auto s = c.skip(); !s) return s;
      continue;
    }
    if (seen & (1u << index)) return err(c.fault(json::duplicate_field(key)));
    seen |= 1u << index;
    guess = index + 1;
    if (auto s = read_at(c, index); !s) return s;
  }
  for (std::size_t i = 0; i < required; ++i) {
    if (!(seen & (1u << i))) return err(c.fault(json::missing_field(key_at(i))));
  }
  return Unit{};
}

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
