// The market-data documents of the commands: a scan's per-symbol series
// ("data"), and the candles and side feeds of a live step ("candle",
// "candles", "feeds"); their reading and their validation.
//
// Readers take the exact text of one JSON value (a member span found by
// json::outline; its syntax is already checked) and fail with the Parse
// error carrying the reader's message without a position. Validators fail
// with the FeedLength or Feed errors. The DOM overloads serve callers that
// already hold a parsed value; they are meant for small values.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "json/json.h"
#include "records.h"
#include "screener_error.h"

namespace tolvex::screener {

// One symbol's whole history for a batch scan. Step i uses element i of
// every present series (absent series are nullopt).
struct SymbolSeries {
  std::vector<Candle> candles;
  std::optional<std::vector<Candle>> reference;
  std::optional<std::vector<DerivativesTick>> derivs;
  std::optional<std::vector<OrderBook>> books;
  std::optional<std::vector<std::vector<TradePrint>>> trades;
  std::optional<std::vector<CrossSection>> sections;
};

// Symbol -> series, in ascending byte order of the symbol.
using ScanData = std::map<std::string, SymbolSeries, std::less<>>;

// The side data of one live step, as read.
struct StepFeeds {
  std::optional<double> reference;
  std::optional<DerivativesTick> deriv;
  std::optional<OrderBook> orderbook;
  std::optional<std::vector<TradePrint>> trades;
  std::optional<CrossSection> cross_section;
};

// Which side feeds a symbol or a step supplies.
struct SuppliedFeeds {
  bool reference = false;
  bool derivs = false;
  bool books = false;
  bool trades = false;
  bool sections = false;
};

// A live step's side data after validation, ready for the indicators.
struct LiveStep {
  std::optional<double> reference;
  std::optional<DerivativesTick> deriv;
  std::optional<OrderBook> orderbook;
  std::vector<TradePrint> trades;  // empty when none were given
  std::optional<CrossSection> cross_section;
  // Trades count as supplied only when the list is non-empty.
  SuppliedFeeds supplied;
};

// ---- Reading ---------------------------------------------------------------

// "candle": one Candle.
Result<Candle, ScreenerError> read_candle(std::string_view value_text);
Result<Candle, ScreenerError> read_candle(const json::Value& value);
// "candles": an array of Candles.
Result<std::vector<Candle>, ScreenerError> read_candles(std::string_view value_text);
Result<std::vector<Candle>, ScreenerError> read_candles(const json::Value& value);
// "feeds": a StepFeeds object or array (null is a fault, not an absence).
Result<StepFeeds, ScreenerError> read_step_feeds(std::string_view value_text);
Result<StepFeeds, ScreenerError> read_step_feeds(const json::Value& value);
// "data": an object of symbol -> SymbolInput (an array of candles, or a
// SymbolSeries). A symbol given twice keeps its last value; a value that
// fits neither form is "data did not match any variant of untagged enum
// SymbolInput".
Result<ScanData, ScreenerError> read_scan_data(std::string_view value_text);
Result<ScanData, ScreenerError> read_scan_data(const json::Value& value);

// One SymbolInput from a cursor, with the reader's own message on failure
// (the caller reports the untagged-enum text instead).
Result<SymbolSeries, json::Error> read_symbol_input(json::Cursor& c);
Result<StepFeeds, json::Error> read_step_feeds(json::Cursor& c);

// ---- Validation ------------------------------------------------------------

// A scan symbol's series: every present side series as long as the
// candles (checked in the order reference, derivs, books, trades,
// sections), then the side records (derivs, books, sections, trades, each
// from its first step; reported under the series name "feed"). Candles and
// reference candles are not validated.
Status<ScreenerError> validate_series(std::string_view symbol, const SymbolSeries& series);

// The feeds the series supplies by itself (the caller adds the reference
// when the specification names a reference symbol, and sections when the
// engine builds the snapshot).
SuppliedFeeds supplied_feeds(const SymbolSeries& series);

// A live step's feeds: deriv ("derivs"), orderbook ("books"), trades
// ("feed"), cross_section ("sections"), in that order.
Result<LiveStep, ScreenerError> validate_step_feeds(std::string_view symbol, StepFeeds feeds);

}  // namespace tolvex::screener
