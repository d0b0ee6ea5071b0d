// Raw access to a cursor's text and read position, for readers that take a
// fast path over a common shape and fall back to the cursor's calls for
// anything else. Internal to the JSON reader and the record readers.
#pragma once

#include "json/json.h"
#include "json/lexer.h"

namespace tolvex::json {

struct CursorAccess {
  // A scan positioned where the cursor is.
  static detail::Scan scan(const Cursor& c) { return detail::Scan(c.text_, c.pos_); }
  // Moves the cursor to where `s` stopped.
  static void commit(Cursor& c, const detail::Scan& s) { c.pos_ = s.offset(); }
};

}  // namespace tolvex::json
