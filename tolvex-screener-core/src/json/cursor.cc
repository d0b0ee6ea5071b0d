#include "json/dom_sink.h"
#include "json/json.h"
#include "json/lexer.h"
#include "json/machine.h"

namespace tolvex::json {

using detail::Fault;
using detail::Scan;

namespace {

Value::Type type_of(char c) {
  switch (c) {
    case '{':
      return Value::Type::kObject;
    case '[':
      return Value::Type::kArray;
    case '"':
      return Value::Type::kString;
    case 't':
    case 'f':
      return Value::Type::kBool;
    case 'n':
      return Value::Type::kNull;
    default:
      return Value::Type::kNumber;
  }
}

enum class Next { kMore, kEnd, kFault };

// Steps over what stands before the next element of a container closed by
// `close`: nothing before the first one, a comma before the others, or the
// closer itself (consumed) at the end. A fault is recorded in `s`.
Next separator(Scan& s, bool& first, char close, Fault eof, Fault no_comma) {
  detail::skip_ws(s);
  if (s.p == s.end) {
    s.fail_eof(eof);
    return Next::kFault;
  }
  if (*s.p == close) {
    first = false;
    ++s.p;
    return Next::kEnd;
  }
  if (first) {
    first = false;
  } else if (*s.p == ',') {
    ++s.p;
  } else {
    s.fail(no_comma, s.p + 1);
    return Next::kFault;
  }
  return Next::kMore;
}

bool starts_value(char c) {
  return c == '{' || c == '[' || c == '"' || c == 't' || c == 'f' || c == 'n' || c == '-' ||
         (c >= '0' && c <= '9');
}

}  // namespace

Error Cursor::fault(std::string message) const {
  Error e{std::move(message), 0, 0};
  detail::position_of(text_, pos_, e.line, e.column);
  return e;
}

Result<Value::Type, Error> Cursor::peek() {
  Scan s(text_, pos_);
  detail::skip_ws(s);
  pos_ = s.offset();
  if (s.p == s.end) {
    s.fail_eof(Fault::kEofValue);
    return err(detail::to_error(s));
  }
  if (!starts_value(*s.p)) {
    s.fail(Fault::kExpectedValue, s.p + 1);
    return err(detail::to_error(s));
  }
  return type_of(*s.p);
}

// Fails unless the next value has type `want`; `expected` names it.
#define TOLVEX_JSON_EXPECT(want, expected)                \
  do {                                                    \
    auto type = peek();                                   \
    if (!type) return err(std::move(type).error());       \
    if (*type != (want)) {                                \
      auto what = describe_next();                        \
      if (!what) return err(std::move(what).error());     \
      return err(fault(invalid_type(*what, (expected)))); \
    }                                                     \
  } while (0)

Status<Error> Cursor::null(std::string_view expected) {
  TOLVEX_JSON_EXPECT(Value::Type::kNull, expected);
  Scan s(text_, pos_);
  if (!detail::scan_literal(s, "null")) return err(detail::to_error(s));
  pos_ = s.offset();
  return Unit{};
}

Result<bool, Error> Cursor::boolean(std::string_view expected) {
  TOLVEX_JSON_EXPECT(Value::Type::kBool, expected);
  Scan s(text_, pos_);
  bool b = *s.p == 't';
  if (!detail::scan_literal(s, b ? "true" : "false")) return err(detail::to_error(s));
  pos_ = s.offset();
  return b;
}

Result<Number, Error> Cursor::number(std::string_view expected) {
  Scan s(text_, pos_);
  detail::skip_ws(s);
  if (s.p < s.end && (*s.p == '-' || (*s.p >= '0' && *s.p <= '9'))) {
    Number n;
    if (!detail::read_number(s, n)) return err(detail::to_error(s));
    pos_ = s.offset();
    return n;
  }
  TOLVEX_JSON_EXPECT(Value::Type::kNumber, expected);
  return Number{};  // not reached: the check above fails
}

Result<std::string_view, Error> Cursor::string(std::string& scratch, std::string_view expected) {
  Scan s(text_, pos_);
  detail::skip_ws(s);
  if (s.p == s.end || *s.p != '"') {
    pos_ = s.offset();
    TOLVEX_JSON_EXPECT(Value::Type::kString, expected);
  }
  ++s.p;
  std::string_view text;
  if (!detail::read_string(s, scratch, text)) return err(detail::to_error(s));
  pos_ = s.offset();
  return text;
}

Status<Error> Cursor::begin_array(std::string_view expected) {
  TOLVEX_JSON_EXPECT(Value::Type::kArray, expected);
  ++pos_;
  first_ = true;
  return Unit{};
}

Status<Error> Cursor::begin_object(std::string_view expected) {
  TOLVEX_JSON_EXPECT(Value::Type::kObject, expected);
  ++pos_;
  first_ = true;
  return Unit{};
}

#undef TOLVEX_JSON_EXPECT

Result<bool, Error> Cursor::next_element() {
  Scan s(text_, pos_);
  Next next = separator(s, first_, ']', Fault::kEofList, Fault::kExpectedCommaBracket);
  if (next == Next::kFault) return err(detail::to_error(s));
  pos_ = s.offset();
  return next == Next::kMore;
}

Result<bool, Error> Cursor::next_key(std::string_view& key, std::string& scratch) {
  Scan s(text_, pos_);
  Next next = separator(s, first_, '}', Fault::kEofObject, Fault::kExpectedCommaBrace);
  if (next == Next::kFault) return err(detail::to_error(s));
  if (next == Next::kEnd) {
    pos_ = s.offset();
    return false;
  }
  detail::skip_ws(s);
  if (s.p == s.end) {
    s.fail_eof(Fault::kEofObject);
    return err(detail::to_error(s));
  }
  if (*s.p != '"') {
    s.fail(Fault::kKeyMustBeString, s.p + 1);
    return err(detail::to_error(s));
  }
  ++s.p;
  if (!detail::read_string(s, scratch, key)) return err(detail::to_error(s));
  detail::skip_ws(s);
  if (s.p == s.end) {
    s.fail_eof(Fault::kEofObject);
    return err(detail::to_error(s));
  }
  if (*s.p != ':') {
    s.fail(Fault::kExpectedColon, s.p + 1);
    return err(detail::to_error(s));
  }
  pos_ = s.offset() + 1;
  return true;
}

Status<Error> Cursor::skip() {
  Scan s(text_, pos_);
  detail::NullSink sink;
  if (!detail::run_machine(s, sink, false)) return err(detail::to_error(s));
  pos_ = s.offset();
  return Unit{};
}

Result<Value, Error> Cursor::value() {
  Scan s(text_, pos_);
  detail::DomSink sink(text_);
  if (!detail::run_machine(s, sink, false)) return err(detail::to_error(s));
  pos_ = s.offset();
  return std::move(sink).take();
}

Result<std::string, Error> Cursor::describe_next() {
  auto type = peek();
  if (!type) return err(std::move(type).error());
  switch (*type) {
    case Value::Type::kObject:
      return std::string("map");
    case Value::Type::kArray:
      return std::string("sequence");
    default:
      break;
  }
  auto v = value();
  if (!v) return err(std::move(v).error());
  return unexpected(*v);
}

Status<Error> Cursor::finish() {
  Scan s(text_, pos_);
  detail::skip_ws(s);
  pos_ = s.offset();
  if (s.p != s.end) {
    s.fail(Fault::kTrailingCharacters, s.p + 1);
    return err(detail::to_error(s));
  }
  return Unit{};
}

}  // namespace tolvex::json
