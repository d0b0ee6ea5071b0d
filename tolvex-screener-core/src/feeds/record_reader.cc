// One table-driven reader serves all records: each record lists its fields
// (key, kind, where it lives) in declaration order, required ones first.
#include "feeds/record_reader.h"

#include <cstddef>
#include <cstring>
#include <span>
#include <string_view>

#include "json/cursor_access.h"
#include "json/lexer.h"

namespace tolvex::screener {

namespace {

using json::Cursor;
using json::Error;

enum class Kind { kF64, kI64, kBool, kSide, kLevels, kMembers };

struct Field {
  std::string_view key;
  Kind kind;
  std::size_t offset;
};

struct Shape {
  std::string_view name;           // "struct Candle"
  std::string_view with_elements;  // "struct Candle with 6 elements"
  std::span<const Field> fields;
  std::size_t required;  // the required fields come first
};

#define TOLVEX_FIELD(T, member, kind)        \
  Field {                                    \
#member, Kind::kind, offsetof(T, member) \
  }

constexpr Field kCandleFields[] = {
    TOLVEX_FIELD(Candle, time, kI64),  TOLVEX_FIELD(Candle, open, kF64),
    TOLVEX_FIELD(Candle, high, kF64),  TOLVEX_FIELD(Candle, low, kF64),
    TOLVEX_FIELD(Candle, close, kF64), TOLVEX_FIELD(Candle, volume, kF64),
};
constexpr Field kTickFields[] = {
    TOLVEX_FIELD(DerivativesTick, funding_rate, kF64),
    TOLVEX_FIELD(DerivativesTick, mark_price, kF64),
    TOLVEX_FIELD(DerivativesTick, index_price, kF64),
    TOLVEX_FIELD(DerivativesTick, futures_price, kF64),
    TOLVEX_FIELD(DerivativesTick, open_interest, kF64),
    TOLVEX_FIELD(DerivativesTick, long_size, kF64),
    TOLVEX_FIELD(DerivativesTick, short_size, kF64),
    TOLVEX_FIELD(DerivativesTick, taker_buy_volume, kF64),
    TOLVEX_FIELD(DerivativesTick, taker_sell_volume, kF64),
    TOLVEX_FIELD(DerivativesTick, long_liquidation, kF64),
    TOLVEX_FIELD(DerivativesTick, short_liquidation, kF64),
    TOLVEX_FIELD(DerivativesTick, timestamp, kI64),
};
constexpr Field kLevelFields[] = {
    TOLVEX_FIELD(Level, price, kF64),
    TOLVEX_FIELD(Level, size, kF64),
};
constexpr Field kBookFields[] = {
    TOLVEX_FIELD(OrderBook, bids, kLevels),
    TOLVEX_FIELD(OrderBook, asks, kLevels),
};
constexpr Field kTradeFields[] = {
    TOLVEX_FIELD(TradePrint, price, kF64),
    TOLVEX_FIELD(TradePrint, size, kF64),
    TOLVEX_FIELD(TradePrint, side, kSide),
    TOLVEX_FIELD(TradePrint, timestamp, kI64),
};
constexpr Field kSectionFields[] = {
    TOLVEX_FIELD(CrossSection, members, kMembers),
    TOLVEX_FIELD(CrossSection, timestamp, kI64),
};
constexpr Field kMemberFields[] = {
    TOLVEX_FIELD(CrossSectionMember, change, kF64),
    TOLVEX_FIELD(CrossSectionMember, volume, kF64),
    TOLVEX_FIELD(CrossSectionMember, new_high, kBool),
    TOLVEX_FIELD(CrossSectionMember, new_low, kBool),
};

#undef TOLVEX_FIELD

constexpr Shape kCandle{"struct Candle", "struct Candle with 6 elements", kCandleFields, 5};
constexpr Shape kTick{"struct DerivativesTick", "struct DerivativesTick with 12 elements",
                      kTickFields, 11};
constexpr Shape kLevel{"struct Level", "struct Level with 2 elements", kLevelFields, 2};
constexpr Shape kBook{"struct OrderBook", "struct OrderBook with 2 elements", kBookFields, 2};
constexpr Shape kTrade{"struct TradePrint", "struct TradePrint with 4 elements", kTradeFields, 3};
constexpr Shape kSection{"struct CrossSection", "struct CrossSection with 2 elements",
                         kSectionFields, 1};
constexpr Shape kMember{"struct CrossSectionMember", "struct CrossSectionMember with 4 elements",
                        kMemberFields, 2};

template <class T>
T& at(void* record, std::size_t offset) {
  return *reinterpret_cast<T*>(static_cast<char*>(record) + offset);
}

Status<Error> read_field(Cursor& c, const Field& f, void* record) {
  switch (f.kind) {
    case Kind::kF64: {
      auto n = c.number("f64");
      if (!n) return err(std::move(n).error());
      at<double>(record, f.offset) = n->d;
      return Unit{};
    }
    case Kind::kI64: {
      auto n = c.number("i64");
      if (!n) return err(std::move(n).error());
      auto i = json::number_to_i64(*n);
      if (!i) return err(c.fault(std::move(i).error()));
      at<std::int64_t>(record, f.offset) = *i;
      return Unit{};
    }
    case Kind::kBool: {
      auto b = c.boolean("a boolean");
      if (!b) return err(std::move(b).error());
      at<bool>(record, f.offset) = *b;
      return Unit{};
    }
    case Kind::kSide: {
      auto side = read_trade_side(c);
      if (!side) return err(std::move(side).error());
      at<TradeSide>(record, f.offset) = *side;
      return Unit{};
    }
    case Kind::kLevels:
      return read_array(c, at<std::vector<Level>>(record, f.offset), read_level);
    case Kind::kMembers:
      return read_array(c, at<std::vector<CrossSectionMember>>(record, f.offset),
                        read_cross_section_member);
  }
  return Unit{};
}

template <class T>
Result<T, Error> read_record(Cursor& c, const Shape& shape) {
  T record{};
  auto status = read_fields(
      c, shape.fields.size(), shape.required, shape.name, shape.with_elements,
      [&](std::size_t i) { return shape.fields[i].key; },
      [&](Cursor& at, std::size_t i) { return read_field(at, shape.fields[i], &record); });
  if (!status) return err(std::move(status).error());
  return record;
}

constexpr std::string_view kSides[] = {"buy", "sell"};

Result<TradeSide, Error> side_named(Cursor& c, std::string_view name) {
  if (name == kSides[0]) return TradeSide::Buy;
  if (name == kSides[1]) return TradeSide::Sell;
  return err(c.fault(json::unknown_variant(name, kSides)));
}

// Candles arrive by the million in a scan, nearly always as plain objects
// with the six keys in declaration order or as plain arrays. These readers
// take only that shape and give up (returning false) at anything else,
// leaving the cursor untouched so that the general reader decides.
bool fast_candle_number(json::detail::Scan& s, Candle& out, std::size_t field) {
  using json::detail::skip_ws;
  skip_ws(s);
  if (s.p == s.end || !(*s.p == '-' || (*s.p >= '0' && *s.p <= '9'))) return false;
  json::Number n;
  if (!json::detail::read_number(s, n)) return false;
  if (field == 0) {
    if (n.kind == json::NumberKind::kSigned) {
      out.time = n.i;
    } else if (n.kind == json::NumberKind::kUnsigned && n.u <= INT64_MAX) {
      out.time = static_cast<std::int64_t>(n.u);
    } else {
      return false;
    }
  } else {
    at<double>(&out, kCandleFields[field].offset) = n.d;
  }
  skip_ws(s);
  return s.p < s.end;
}

bool fast_candle_object(json::detail::Scan& s, Candle& out) {
  using json::detail::skip_ws;
  static constexpr std::string_view kKeys[] = {"\"time\"", "\"open\"",  "\"high\"",
                                               "\"low\"",  "\"close\"", "\"volume\""};
  ++s.p;
  for (std::size_t i = 0; i < 6; ++i) {
    skip_ws(s);
    const std::string_view key = kKeys[i];
    if (static_cast<std::size_t>(s.end - s.p) < key.size() ||
        std::memcmp(s.p, key.data(), key.size()) != 0) {
      return false;
    }
    s.p += key.size();
    skip_ws(s);
    if (s.p == s.end || *s.p != ':') return false;
    ++s.p;
    if (!fast_candle_number(s, out, i)) return false;
    if (*s.p == '}' && i >= 4) {
      ++s.p;
      return true;
    }
    if (*s.p != ',') return false;
    ++s.p;
  }
  return false;
}

bool fast_candle_array(json::detail::Scan& s, Candle& out) {
  ++s.p;
  for (std::size_t i = 0; i < 6; ++i) {
    if (!fast_candle_number(s, out, i)) return false;
    if (*s.p == ']' && i >= 4) {
      ++s.p;
      return true;
    }
    if (*s.p != ',') return false;
    ++s.p;
  }
  return false;
}

}  // namespace

Result<Candle, Error> read_candle(Cursor& c) {
  json::detail::Scan s = json::CursorAccess::scan(c);
  json::detail::skip_ws(s);
  if (s.p < s.end) {
    Candle candle;
    if (*s.p == '{' ? fast_candle_object(s, candle) : *s.p == '[' && fast_candle_array(s, candle)) {
      json::CursorAccess::commit(c, s);
      return candle;
    }
  }
  return read_record<Candle>(c, kCandle);
}
Result<DerivativesTick, Error> read_derivatives_tick(Cursor& c) {
  return read_record<DerivativesTick>(c, kTick);
}
Result<Level, Error> read_level(Cursor& c) {
  return read_record<Level>(c, kLevel);
}
Result<OrderBook, Error> read_order_book(Cursor& c) {
  return read_record<OrderBook>(c, kBook);
}
Result<TradePrint, Error> read_trade(Cursor& c) {
  return read_record<TradePrint>(c, kTrade);
}
Result<CrossSection, Error> read_cross_section(Cursor& c) {
  return read_record<CrossSection>(c, kSection);
}
Result<CrossSectionMember, Error> read_cross_section_member(Cursor& c) {
  return read_record<CrossSectionMember>(c, kMember);
}

Result<TradeSide, Error> read_trade_side(Cursor& c) {
  // The unit-variant forms of an enum: "buy", or {"buy": null}.
  auto type = c.peek();
  if (!type) return err(std::move(type).error());
  std::string scratch;
  if (*type == json::Value::Type::kString) {
    auto name = c.string(scratch);
    if (!name) return err(std::move(name).error());
    return side_named(c, *name);
  }
  if (*type != json::Value::Type::kObject) {
    auto what = c.describe_next();
    if (!what) return err(std::move(what).error());
    return err(c.fault(json::invalid_type(*what, "string or map")));
  }
  // The map must hold exactly one key (a repeated key counts once, the
  // last one standing); its value must be null.
  auto map = c.value();
  if (!map) return err(std::move(map).error());
  const auto& members = map->members();
  bool single = !members.empty();
  for (const auto& m : members) single = single && m.key == members.front().key;
  if (!single) return err(c.fault(json::invalid_value("map", "map with a single key")));
  auto side = side_named(c, members.back().key);
  if (!side) return side;
  if (!members.back().value.is_null()) {
    return err(c.fault(json::invalid_type(json::unexpected(members.back().value), "unit")));
  }
  return side;
}

}  // namespace tolvex::screener
