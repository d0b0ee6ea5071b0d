// The screener's error value. Every fallible screener operation returns one;
// `display` gives the exact text of the error reply.
#pragma once

#include <cstddef>
#include <string>

namespace tolvex::screener {

struct ScreenerError {
  enum class Kind {
    Parse,
    UnknownIndicator,
    BadSpec,
    FeedLength,
    SymbolNotInUniverse,
    Feed,
    MissingFeed,
  };
  Kind kind;
  // Parse / UnknownIndicator / BadSpec / Feed: the text.
  // FeedLength / SymbolNotInUniverse: the symbol. MissingFeed: the indicator.
  std::string text;
  // FeedLength: the series name. MissingFeed: the feed name.
  std::string name;
  std::size_t feed_len = 0;
  std::size_t candles = 0;

  static ScreenerError parse(std::string t) { return {Kind::Parse, std::move(t), {}}; }
  static ScreenerError bad_spec(std::string t) { return {Kind::BadSpec, std::move(t), {}}; }
  static ScreenerError unknown_indicator(std::string t) {
    return {Kind::UnknownIndicator, std::move(t), {}};
  }
  static ScreenerError feed(std::string t) { return {Kind::Feed, std::move(t), {}}; }
  static ScreenerError symbol_not_in_universe(std::string symbol) {
    return {Kind::SymbolNotInUniverse, std::move(symbol), {}};
  }
  static ScreenerError missing_feed(std::string indicator, std::string feed) {
    return {Kind::MissingFeed, std::move(indicator), std::move(feed)};
  }
  static ScreenerError feed_length(std::string symbol, std::string series, std::size_t len,
                                   std::size_t candles) {
    return {Kind::FeedLength, std::move(symbol), std::move(series), len, candles};
  }

  std::string display() const {
    switch (kind) {
      case Kind::Parse:
        return "parse: " + text;
      case Kind::UnknownIndicator:
        return "unknown indicator: " + text;
      case Kind::BadSpec:
        return "bad spec: " + text;
      case Kind::FeedLength:
        return text + ": " + name + " feed length " + std::to_string(feed_len) +
               " does not match " + std::to_string(candles) + " candles";
      case Kind::SymbolNotInUniverse:
        return "symbol " + text + " is not in the spec's universe";
      case Kind::Feed:
        return "feed: " + text;
      case Kind::MissingFeed:
        return "indicator " + text + " needs the " + name +
               " feed, which this scan does not supply";
    }
    return text;
  }
};

}  // namespace tolvex::screener
