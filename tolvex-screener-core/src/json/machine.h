// The iterative JSON grammar shared by `parse`, `outline` and the cursor's
// `skip`/`value`. Nesting is tracked on a fixed array, never on the call
// stack, so no input can overflow the stack. Internal to the JSON reader.
//
// A Sink receives the events:
//   std::string* string_target(std::size_t depth, bool key)  where to decode
//       a string (nullptr: only check it); `depth` counts open containers
//   void key(std::size_t depth)            a member key was read
//   void value_start(std::size_t depth, const char* at)  first byte of a value
//   void begin(bool object, std::size_t depth)  a container opened
//   void scalar_null/ scalar_bool(bool) / scalar_number(first, last)
//   void scalar_string()                   the string decoded into the target
//   void end(std::size_t depth)            a container closed (depth: its own)
//   void value_done(std::size_t depth, const char* after)  after every value
#pragma once

#include <array>

#include "json/lexer.h"

namespace tolvex::json::detail {

// Reads one value from `s.p`. With `whole`, only whitespace may follow it.
template <class Sink>
bool run_machine(Scan& s, Sink& sink, bool whole) {
  std::array<bool, kMaxDepth + 1> is_object{};
  std::size_t depth = 0;

value:
  skip_ws(s);
  if (s.p == s.end) return s.fail_eof(Fault::kEofValue);
  sink.value_start(depth, s.p);
  switch (*s.p) {
    case '{':
    case '[': {
      bool object = *s.p == '{';
      if (depth == kMaxDepth) return s.fail(Fault::kRecursionLimit, s.p + 1);
      sink.begin(object, depth);
      is_object[depth++] = object;
      ++s.p;
      skip_ws(s);
      if (s.p == s.end) return s.fail_eof(object ? Fault::kEofObject : Fault::kEofList);
      if (*s.p == (object ? '}' : ']')) {
        ++s.p;
        goto close;
      }
      if (!object) goto value;
      if (*s.p != '"') return s.fail(Fault::kKeyMustBeString, s.p + 1);
      goto key;
    }
    case '"':
      ++s.p;
      if (!scan_string(s, sink.string_target(depth, false))) return false;
      sink.scalar_string();
      goto done;
    case 't':
      if (!scan_literal(s, "true")) return false;
      sink.scalar_bool(true);
      goto done;
    case 'f':
      if (!scan_literal(s, "false")) return false;
      sink.scalar_bool(false);
      goto done;
    case 'n':
      if (!scan_literal(s, "null")) return false;
      sink.scalar_null();
      goto done;
    default: {
      char c = *s.p;
      if (c != '-' && (c < '0' || c > '9')) return s.fail(Fault::kExpectedValue, s.p + 1);
      const char* first = s.p;
      if (!scan_number(s)) return false;
      sink.scalar_number(first, s.p);
      goto done;
    }
  }

close:
  --depth;
  sink.end(depth);

done:
  sink.value_done(depth, s.p);
  if (depth == 0) {
    if (!whole) return true;
    skip_ws(s);
    if (s.p != s.end) return s.fail(Fault::kTrailingCharacters, s.p + 1);
    return true;
  }
  skip_ws(s);
  if (is_object[depth - 1]) {
    if (s.p == s.end) return s.fail_eof(Fault::kEofObject);
    if (*s.p == '}') {
      ++s.p;
      goto close;
    }
    if (*s.p != ',') return s.fail(Fault::kExpectedCommaBrace, s.p + 1);
    ++s.p;
    skip_ws(s);
    if (s.p == s.end) return s.fail_eof(Fault::kEofObject);
    if (*s.p == '}') return s.fail(Fault::kTrailingComma, s.p + 1);
    if (*s.p != '"') return s.fail(Fault::kKeyMustBeString, s.p + 1);
    goto key;
  }
  if (s.p == s.end) return s.fail_eof(Fault::kEofList);
  if (*s.p == ']') {
    ++s.p;
    goto close;
  }
  if (*s.p != ',') return s.fail(Fault::kExpectedCommaBracket, s.p + 1);
  ++s.p;
  skip_ws(s);
  if (s.p < s.end && *s.p == ']') return s.fail(Fault::kTrailingComma, s.p + 1);
  goto value;

key:
  // s.p is at the opening quote of a key.
  ++s.p;
  if (!scan_string(s, sink.string_target(depth, true))) return false;
  sink.key(depth);
  skip_ws(s);
  if (s.p == s.end) return s.fail_eof(Fault::kEofObject);
  if (*s.p != ':') return s.fail(Fault::kExpectedColon, s.p + 1);
  ++s.p;
  goto value;
}

// A sink that keeps nothing (syntax check and skipping).
struct NullSink {
  std::string* string_target(std::size_t, bool) { return nullptr; }
  void key(std::size_t) {}
  void value_start(std::size_t, const char*) {}
  void begin(bool, std::size_t) {}
  void scalar_null() {}
  void scalar_bool(bool) {}
  void scalar_number(const char*, const char*) {}
  void scalar_string() {}
  void end(std::size_t) {}
  void value_done(std::size_t, const char*) {}
};

}  // namespace tolvex::json::detail
