// Which side feed each indicator type reads beyond the candle, and what a
// symbol or a step supplies.
#pragma once

#include <optional>
#include <string_view>

#include "feeds/documents.h"
#include "result.h"
#include "scan/program.h"
#include "screener_error.h"

namespace tolvex::screener {

enum class FeedKind { Reference, Derivs, Books, Trades, TradesAndBooks, Sections };

// The feed a type requires, or nothing for candle-only types (including
// every name outside the fixed classification).
std::optional<FeedKind> feed_kind_of(std::string_view type_name);

// "reference", "derivs", "books", "trades", "trades and books", "sections".
std::string_view feed_text(FeedKind kind);

bool is_supplied(FeedKind kind, const SuppliedFeeds& supplied);

// True when the registry can build `type_name` (aliases included).
bool is_registered(std::string_view type_name);

// Checks the indicators that are direct condition operands (and the rank
// expression when it is one) in collection order: an unregistered name is
// UnknownIndicator with the bare name, a feed that is not supplied is
// MissingFeed. Indicators nested in arithmetic or look-backs are exempt.
Status<ScreenerError> check_feeds(const Program& program, const SuppliedFeeds& supplied);

// True when some indicator visited by `check_feeds` reads cross-sections.
bool needs_sections(const Program& program);

}  // namespace tolvex::screener
