// Token-level scanning shared by the DOM parser, the outline pass and the
// cursor. Internal to the JSON reader.
//
// Functions work on a `Scan` (a byte range and a read pointer) and report a
// fault by code plus the number of bytes consumed when it was found, so
// that the caller turns it into a message with a line and column only on
// failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "json/json.h"

namespace tolvex::json::detail {

enum class Fault : std::uint8_t {
  kNone,
  kEofValue,
  kEofString,
  kEofList,
  kEofObject,
  kExpectedValue,
  kExpectedIdent,
  kExpectedColon,
  kExpectedCommaBrace,
  kExpectedCommaBracket,
  kKeyMustBeString,
  kTrailingComma,
  kTrailingCharacters,
  kControlCharacter,
  kInvalidEscape,
  kInvalidNumber,
  kNumberOutOfRange,
  kLoneSurrogate,
  kEndOfHexEscape,
  kRecursionLimit,
};

const char* fault_text(Fault f);

struct Scan {
  const char* begin;
  const char* end;
  const char* p;
  Fault fault = Fault::kNone;
  const char* consumed = nullptr;  // read position when the fault was found

  Scan(std::string_view text, std::size_t at)
      : begin(text.data()), end(text.data() + text.size()), p(text.data() + at) {}

  // Records a fault found after reading up to `upto` (the offending byte
  // included); always returns false.
  bool fail(Fault f, const char* upto) {
    fault = f;
    consumed = upto;
    return false;
  }
  bool fail_eof(Fault f) { return fail(f, end); }
  std::size_t offset() const { return static_cast<std::size_t>(p - begin); }
};

inline bool is_ws(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

inline void skip_ws(Scan& s) {
  while (s.p < s.end && is_ws(*s.p)) ++s.p;
}

// Line and column after `consumed` bytes of `text`.
void position_of(std::string_view text, std::size_t consumed, std::size_t& line,
                 std::size_t& column);

// The fault of `s` as an Error (message and position).
Error to_error(const Scan& s);

// `s.p` is just past the opening quote. Reads through the closing quote.
// With `out`, the decoded text is appended to it; without, the string is
// only checked.
bool scan_string(Scan& s, std::string* out);

// Like scan_string, but for the common case of a string without escapes
// returns a view of its bytes and leaves `scratch` alone.
bool read_string(Scan& s, std::string& scratch, std::string_view& text);

// `s.p` is at the first byte of a number ('-' or a digit). Checks the
// grammar and that the value is finite, converts it into `out` when given,
// and leaves `s.p` after it.
bool lex_number(Scan& s, Number* out);
inline bool scan_number(Scan& s) {
  return lex_number(s, nullptr);
}
inline bool read_number(Scan& s, Number& n) {
  return lex_number(s, &n);
}

// Converts a number that scan_number accepted.
Number convert_number(const char* first, const char* last);

// `s.p` is at the first byte of `word` ("true", "false" or "null").
bool scan_literal(Scan& s, std::string_view word);

}  // namespace tolvex::json::detail
