#include "feeds/documents.h"

#include "feeds/record_reader.h"

namespace tolvex::screener {

namespace {

using json::Cursor;
using json::Error;
using Type = json::Value::Type;

constexpr std::string_view kUntagged =
    "data did not match any variant of untagged enum SymbolInput";

ScreenerError parse_error(Error e) {
  return ScreenerError::parse(std::move(e.message));
}

// Reads a whole value text with `read`, which must consume all of it.
template <class T, class F>
Result<T, ScreenerError> read_text(std::string_view text, F read) {
  Cursor c(text);
  auto r = read(c);
  if (!r) return err(parse_error(std::move(r).error()));
  if (auto end = c.finish(); !end) return err(parse_error(std::move(end).error()));
  return std::move(*r);
}

std::string text_of(const json::Value& v) {
  std::string out;
  json::write_value_as_read(out, v);
  return out;
}

// Optional members: null means absent.
template <class T>
Status<Error> read_optional(Cursor& c, std::optional<T>& slot, Status<Error> (*read)(Cursor&, T&)) {
  auto type = c.peek();
  if (!type) return err(std::move(type).error());
  if (*type == Type::kNull) {
    slot.reset();
    return c.null();
  }
  T value{};
  if (auto s = read(c, value); !s) return s;
  slot = std::move(value);
  return Unit{};
}

template <class T, Result<T, Error> (*kOne)(Cursor&)>
Status<Error> read_vector(Cursor& c, std::vector<T>& out) {
  return read_array(c, out, kOne);
}

template <class T, Result<T, Error> (*kOne)(Cursor&)>
Status<Error> read_single(Cursor& c, T& out) {
  auto r = kOne(c);
  if (!r) return err(std::move(r).error());
  out = std::move(*r);
  return Unit{};
}

Status<Error> read_number_into(Cursor& c, double& out) {
  auto n = c.number("f64");
  if (!n) return err(std::move(n).error());
  out = n->d;
  return Unit{};
}

Result<std::vector<TradePrint>, Error> read_trade_list(Cursor& c) {
  std::vector<TradePrint> trades;
  if (auto s = read_array(c, trades, read_trade); !s) return err(std::move(s).error());
  return trades;
}

// A member of a record-like document: reads the value at the cursor.
using MemberReader = Status<Error> (*)(Cursor&, void*);

struct DocField {
  std::string_view key;
  MemberReader read;
};

struct DocShape {
  std::string_view name;
  std::string_view with_elements;
  const DocField* fields;
  std::size_t count;
  std::size_t required;  // leading required members
};

Status<Error> read_document(Cursor& c, const DocShape& shape, void* doc) {
  return read_fields(
      c, shape.count, shape.required, shape.name, shape.with_elements,
      [&](std::size_t i) { return shape.fields[i].key; },
      [&](Cursor& at, std::size_t i) { return shape.fields[i].read(at, doc); });
}

SymbolSeries& series_of(void* p) {
  return *static_cast<SymbolSeries*>(p);
}
StepFeeds& feeds_of(void* p) {
  return *static_cast<StepFeeds*>(p);
}

Status<Error> read_trade_steps(Cursor& c, std::vector<std::vector<TradePrint>>& out) {
  return read_array(c, out, read_trade_list);
}

const DocField kSeriesFields[] = {
    {"candles",
     [](Cursor& c, void* p) { return read_vector<Candle, read_candle>(c, series_of(p).candles); }},
    {"reference",
     [](Cursor& c, void* p) {
       return read_optional(c, series_of(p).reference, read_vector<Candle, read_candle>);
     }},
    {"derivs",
     [](Cursor& c, void* p) {
       return read_optional(c, series_of(p).derivs,
                            read_vector<DerivativesTick, read_derivatives_tick>);
     }},
    {"books",
     [](Cursor& c, void* p) {
       return read_optional(c, series_of(p).books, read_vector<OrderBook, read_order_book>);
     }},
    {"trades",
     [](Cursor& c, void* p) { return read_optional(c, series_of(p).trades, read_trade_steps); }},
    {"sections",
     [](Cursor& c, void* p) {
       return read_optional(c, series_of(p).sections,
                            read_vector<CrossSection, read_cross_section>);
     }},
};

const DocField kFeedFields[] = {
    {"reference",
     [](Cursor& c, void* p) { return read_optional(c, feeds_of(p).reference, read_number_into); }},
    {"deriv",
     [](Cursor& c, void* p) {
       return read_optional(c, feeds_of(p).deriv,
                            read_single<DerivativesTick, read_derivatives_tick>);
     }},
    {"orderbook",
     [](Cursor& c, void* p) {
       return read_optional(c, feeds_of(p).orderbook, read_single<OrderBook, read_order_book>);
     }},
    {"trades",
     [](Cursor& c, void* p) {
       return read_optional(c, feeds_of(p).trades, read_vector<TradePrint, read_trade>);
     }},
    {"cross_section",
     [](Cursor& c, void* p) {
       return read_optional(c, feeds_of(p).cross_section,
                            read_single<CrossSection, read_cross_section>);
     }},
};

constexpr DocShape kSeriesShape{"struct SymbolSeries", "struct SymbolSeries with 6 elements",
                                kSeriesFields, 6, 1};
constexpr DocShape kFeedsShape{"struct StepFeeds", "struct StepFeeds with 5 elements", kFeedFields,
                               5, 0};

Result<std::vector<Candle>, Error> read_candle_array(Cursor& c) {
  std::vector<Candle> candles;
  if (auto s = read_array(c, candles, read_candle); !s) return err(std::move(s).error());
  return candles;
}

Result<ScanData, Error> read_data_map(Cursor& c) {
  if (auto s = c.begin_object("a map"); !s) return err(std::move(s).error());
  ScanData data;
  std::string scratch;
  for (;;) {
    std::string_view key;
    auto more = c.next_key(key, scratch);
    if (!more) return err(std::move(more).error());
    if (!*more) break;
    std::string symbol(key);
    std::size_t start = c.offset();
    // Every value must fit a form, even one that a later repetition of
    // the symbol would replace. A syntax fault inside it still reads as
    // such.
    auto series = read_symbol_input(c);
    if (!series) {
      c.rewind(start);
      if (auto s = c.skip(); !s) return err(std::move(s).error());
      return err(Error{std::string(kUntagged), 0, 0});
    }
    data.insert_or_assign(std::move(symbol), std::move(*series));
  }
  return data;
}

std::string feed_text(std::string_view symbol, std::string_view series, const IndicatorError& e) {
  std::string text(symbol);
  text += ": ";
  text += series;
  text += ": ";
  text += to_string(StrategyError::invalid_input_data(e));
  return text;
}

ScreenerError feed_error(std::string_view symbol, std::string_view series,
                         const IndicatorError& e) {
  return ScreenerError::feed(feed_text(symbol, series, e));
}

}  // namespace

Result<SymbolSeries, Error> read_symbol_input(Cursor& c) {
  std::size_t start = c.offset();
  auto type = c.peek();
  if (!type) return err(std::move(type).error());
  if (*type == Type::kArray) {
    auto candles = read_candle_array(c);
    if (candles) return SymbolSeries{std::move(*candles), {}, {}, {}, {}, {}};
    c.rewind(start);
  }
  SymbolSeries series;
  if (auto s = read_document(c, kSeriesShape, &series); !s) return err(std::move(s).error());
  return series;
}

Result<StepFeeds, Error> read_step_feeds(Cursor& c) {
  StepFeeds feeds;
  if (auto s = read_document(c, kFeedsShape, &feeds); !s) return err(std::move(s).error());
  return feeds;
}

Result<Candle, ScreenerError> read_candle(std::string_view value_text) {
  return read_text<Candle>(value_text, [](Cursor& c) { return read_candle(c); });
}
Result<Candle, ScreenerError> read_candle(const json::Value& value) {
  return read_candle(text_of(value));
}

Result<std::vector<Candle>, ScreenerError> read_candles(std::string_view value_text) {
  return read_text<std::vector<Candle>>(value_text, read_candle_array);
}
Result<std::vector<Candle>, ScreenerError> read_candles(const json::Value& value) {
  return read_candles(text_of(value));
}

Result<StepFeeds, ScreenerError> read_step_feeds(std::string_view value_text) {
  return read_text<StepFeeds>(value_text, [](Cursor& c) { return read_step_feeds(c); });
}
Result<StepFeeds, ScreenerError> read_step_feeds(const json::Value& value) {
  return read_step_feeds(text_of(value));
}

Result<ScanData, ScreenerError> read_scan_data(std::string_view value_text) {
  return read_text<ScanData>(value_text, read_data_map);
}
Result<ScanData, ScreenerError> read_scan_data(const json::Value& value) {
  return read_scan_data(text_of(value));
}

Status<ScreenerError> validate_series(std::string_view symbol, const SymbolSeries& s) {
  const std::size_t n = s.candles.size();
  auto check = [&](const char* name, bool present, std::size_t len) -> Status<ScreenerError> {
    if (present && len != n) {
      return err(ScreenerError::feed_length(std::string(symbol), name, len, n));
    }
    return Unit{};
  };
  if (auto r = check("reference", s.reference.has_value(), s.reference ? s.reference->size() : 0);
      !r)
    return r;
  if (auto r = check("derivs", s.derivs.has_value(), s.derivs ? s.derivs->size() : 0); !r) return r;
  if (auto r = check("books", s.books.has_value(), s.books ? s.books->size() : 0); !r) return r;
  if (auto r = check("trades", s.trades.has_value(), s.trades ? s.trades->size() : 0); !r) return r;
  if (auto r = check("sections", s.sections.has_value(), s.sections ? s.sections->size() : 0); !r)
    return r;

  if (s.derivs) {
    for (const auto& tick : *s.derivs) {
      auto r = DerivativesTick::validate(tick);
      if (!r) return err(feed_error(symbol, "feed", r.error()));
    }
  }
  if (s.books) {
    for (const auto& book : *s.books) {
      auto r = OrderBook::check(book.bids, book.asks);
      if (!r) return err(feed_error(symbol, "feed", r.error()));
    }
  }
  if (s.sections) {
    for (const auto& section : *s.sections) {
      auto r = CrossSection::check(section.members);
      if (!r) return err(feed_error(symbol, "feed", r.error()));
    }
  }
  if (s.trades) {
    for (const auto& step : *s.trades) {
      auto r = validate_trades(step);
      if (!r) return err(feed_error(symbol, "feed", r.error()));
    }
  }
  return Unit{};
}

SuppliedFeeds supplied_feeds(const SymbolSeries& s) {
  return {s.reference.has_value(), s.derivs.has_value(), s.books.has_value(), s.trades.has_value(),
          s.sections.has_value()};
}

Result<LiveStep, ScreenerError> validate_step_feeds(std::string_view symbol, StepFeeds feeds) {
  LiveStep step;
  step.reference = feeds.reference;
  if (feeds.deriv) {
    auto r = DerivativesTick::validate(*feeds.deriv);
    if (!r) return err(feed_error(symbol, "derivs", r.error()));
    step.deriv = std::move(*r);
  }
  if (feeds.orderbook) {
    auto r = OrderBook::make(std::move(feeds.orderbook->bids), std::move(feeds.orderbook->asks));
    if (!r) return err(feed_error(symbol, "books", r.error()));
    step.orderbook = std::move(*r);
  }
  if (feeds.trades) {
    auto r = validate_trades(*feeds.trades);
    if (!r) return err(feed_error(symbol, "feed", r.error()));
    step.trades = std::move(*feeds.trades);
  }
  if (feeds.cross_section) {
    auto r =
        CrossSection::make(std::move(feeds.cross_section->members), feeds.cross_section->timestamp);
    if (!r) return err(feed_error(symbol, "sections", r.error()));
    step.cross_section = std::move(*r);
  }
  step.supplied = {step.reference.has_value(), step.deriv.has_value(), step.orderbook.has_value(),
                   !step.trades.empty(), step.cross_section.has_value()};
  return step;
}

}  // namespace tolvex::screener
