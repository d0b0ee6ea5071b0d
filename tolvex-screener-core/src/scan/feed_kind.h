// Which side feed each indicator type reads beyond the candle, and what a
// symbol or a step supplies.
#pragma once

#include <optional>
#include <string_view>

namespace tolvex::screener {

enum class FeedKind { Reference, Derivs, Books, Trades, TradesAndBooks, Sections };

struct SuppliedFeeds {
  bool reference = false;
  bool derivs = false;
  bool books = false;
  bool trades = false;
  bool sections = false;
};

// The feed a type requires, or nothing for candle-only types (including
// every name outside the fixed classification).
std::optional<FeedKind> feed_kind_of(std::string_view type_name);

// "reference", "derivs", "books", "trades", "trades and books", "sections".
std::string_view feed_text(FeedKind kind);

bool is_supplied(FeedKind kind, const SuppliedFeeds& supplied);

// True when the registry can build `type_name` (aliases included).
bool is_registered(std::string_view type_name);

}  // namespace tolvex::screener
