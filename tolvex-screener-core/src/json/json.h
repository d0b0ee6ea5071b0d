// The screener's JSON reader and writer.
//
// Three ways in:
//  - `parse`: strict JSON text into a small DOM (`Value`), for commands and
//    specifications. Iterative, so hostile nesting cannot overflow the stack.
//  - `outline`: one syntax-checking pass over a whole command text that
//    records where each member of the top-level object sits, without
//    building anything for the values. Big members (a scan's "data") are then
//    read from their span with a `Cursor` straight into records.
//  - `Cursor`: a pull reader over a span of text, for record readers.
//
// Messages follow the usual wording of typed JSON deserialisers ("missing
// field `x`", "invalid type: string \"a\", expected i64", ...). Syntax faults
// carry the 1-based line and the column (bytes consumed on that line,
// including the offending byte); `Error::display()` appends them.
//
// Writing is compact: no whitespace between tokens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "result.h"

namespace tolvex::json {

// Deepest nesting of arrays and objects a reader accepts.
inline constexpr std::size_t kMaxDepth = 128;

struct Error {
  std::string message;
  std::size_t line = 0;
  std::size_t column = 0;

  // message + " at line L column C".
  std::string display() const;
};

// How a number was written: a non-negative integer that fits 64 bits
// unsigned, a negative integer that fits 64 bits signed, or anything else
// (fraction, exponent, -0, integers beyond 64 bits).
enum class NumberKind : std::uint8_t { kUnsigned, kSigned, kFloat };

struct Number {
  NumberKind kind = NumberKind::kUnsigned;
  std::uint64_t u = 0;  // kUnsigned
  std::int64_t i = 0;   // kSigned
  double d = 0;         // always: the nearest double
};

class Value;
struct Member;

class Value {
 public:
  enum class Type : std::uint8_t { kNull, kBool, kNumber, kString, kArray, kObject };

  Value() = default;
  static Value null() { return Value(); }
  static Value boolean(bool b);
  static Value number(Number n);
  static Value number(double d);
  static Value string(std::string s);
  static Value array(std::vector<Value> items = {});
  static Value object(std::vector<Member> members = {});

  Type type() const { return type_; }
  bool is_null() const { return type_ == Type::kNull; }
  bool is_bool() const { return type_ == Type::kBool; }
  bool is_number() const { return type_ == Type::kNumber; }
  bool is_string() const { return type_ == Type::kString; }
  bool is_array() const { return type_ == Type::kArray; }
  bool is_object() const { return type_ == Type::kObject; }

  // Accessors; calling one for another type gives the zero value.
  bool as_bool() const { return bool_; }
  const Number& as_number() const { return number_; }
  double as_double() const { return number_.d; }
  const std::string& as_string() const { return string_; }
  const std::vector<Value>& items() const { return items_; }
  std::vector<Value>& items() { return items_; }
  // Members in document order, duplicates included.
  const std::vector<Member>& members() const { return members_; }
  std::vector<Member>& members() { return members_; }

  // The member with this key, the last one when the key repeats; nullptr
  // when absent or when this is not an object.
  const Value* find(std::string_view key) const;

  // Reader position just after this value (0, 0 for built values).
  std::size_t line() const { return line_; }
  std::size_t column() const { return column_; }
  void set_position(std::size_t line, std::size_t column) {
    line_ = static_cast<std::uint32_t>(line);
    column_ = static_cast<std::uint32_t>(column);
  }

 private:
  Type type_ = Type::kNull;
  bool bool_ = false;
  std::uint32_t line_ = 0;
  std::uint32_t column_ = 0;
  Number number_;
  std::string string_;
  std::vector<Value> items_;
  std::vector<Member> members_;
};

struct Member {
  std::string key;
  Value value;
};

// Parses the whole text as one value; only space, tab, LF and CR may
// surround it.
Result<Value, Error> parse(std::string_view text);

// ---- Bulk documents --------------------------------------------------------

struct MemberSpan {
  std::string key;        // decoded
  std::size_t begin = 0;  // first byte of the value
  std::size_t end = 0;    // one past its last byte
};

struct Outline {
  bool is_object = false;           // the top-level value is an object
  std::vector<MemberSpan> members;  // document order (top-level object only)

  // The last member with this key, or nullptr.
  const MemberSpan* find(std::string_view key) const;
};

// Checks the syntax of the whole text exactly as `parse` does (same
// messages and positions) and records the spans of the top-level object's
// members.
Result<Outline, Error> outline(std::string_view text);

// Pull reader over `text`, starting at byte `begin`. Every call skips the
// whitespace before its token. Faults carry the position within `text`.
// The cursor borrows `text`; keep it alive while the cursor is in use.
class Cursor {
 public:
  explicit Cursor(std::string_view text, std::size_t begin = 0) : text_(text), pos_(begin) {}

  // Type of the next value, judged from its first byte; fails at the end of
  // the text or on a byte that cannot start a value.
  Result<Value::Type, Error> peek();

  // Typed reads. When the next value has another type the fault is
  // "invalid type: <it>, expected <expected>".
  Status<Error> null(std::string_view expected = "unit");
  Result<bool, Error> boolean(std::string_view expected = "a boolean");
  Result<Number, Error> number(std::string_view expected = "a number");
  // The decoded string: a view into the text when it holds no escape, else
  // into `scratch`. Valid until the next call that uses `scratch`.
  Result<std::string_view, Error> string(std::string& scratch,
                                         std::string_view expected = "a string");

  // Arrays: begin_array(), then next_element() before each element; it
  // returns false (and consumes the `]`) when the array ends.
  Status<Error> begin_array(std::string_view expected = "a sequence");
  Result<bool, Error> next_element();
  // Objects: begin_object(), then next_key() before each member; it returns
  // false (and consumes the `}`) when the object ends, else reads the key
  // and the `:`.
  Status<Error> begin_object(std::string_view expected = "a map");
  Result<bool, Error> next_key(std::string_view& key, std::string& scratch);

  // Skips one whole value (any nesting up to kMaxDepth).
  Status<Error> skip();
  // Reads the next value into a DOM (for small irregular pieces).
  Result<Value, Error> value();
  // Describes the next value as in "invalid type" messages (see
  // `unexpected`), consuming scalars; containers are left in place.
  Result<std::string, Error> describe_next();

  // Only whitespace may remain.
  Status<Error> finish();

  // An error with `message` at the current position.
  Error fault(std::string message) const;
  std::size_t offset() const { return pos_; }
  // Moves back (or forward) to byte `offset`, e.g. to read a value again
  // another way; `offset` must be where a value starts.
  void rewind(std::size_t offset) {
    pos_ = offset;
    first_ = false;
  }

 private:
  friend struct CursorAccess;
  std::string_view text_;
  std::size_t pos_;
  // Array/object state: whether the next element is the first one.
  bool first_ = false;
};

// ---- Typed-conversion messages --------------------------------------------

// Descriptions of an unexpected value: null, boolean `true`, integer `5`,
// floating point `1.5`, string "abc", map, sequence.
std::string unexpected(const Value& v);
std::string unexpected(const Number& n);
std::string unexpected_string(std::string_view s);

std::string missing_field(std::string_view field);
std::string duplicate_field(std::string_view field);
std::string invalid_length(std::size_t n, std::string_view expected);
std::string invalid_type(std::string_view unexpected, std::string_view expected);
std::string invalid_value(std::string_view unexpected, std::string_view expected);
// "unknown variant `x`, expected `a` or `b`" / "expected one of `a`, `b`, `c`".
std::string unknown_variant(std::string_view variant, std::span<const std::string_view> expected);

// Scalar conversions of a DOM value. The error carries the value's position.
// Expected texts: "i64", "u64", "u32", "f64", "a boolean", "a string".
Result<std::int64_t, Error> to_i64(const Value& v);
Result<std::uint64_t, Error> to_u64(const Value& v);
Result<std::uint32_t, Error> to_u32(const Value& v);
Result<double, Error> to_f64(const Value& v);
Result<bool, Error> to_bool(const Value& v);
Result<std::string, Error> to_string(const Value& v);
// The same checks for a number already read.
Result<std::int64_t, std::string> number_to_i64(const Number& n);
Result<std::uint64_t, std::string> number_to_u64(const Number& n);

// An error carrying the position of `at`.
Error error_at(const Value& at, std::string message);

// ---- Writer ----------------------------------------------------------------

// A JSON string literal: \" \\ \b \t \n \f \r, \u00xx for other controls,
// everything else (including "/", DEL and non-ASCII) as it is.
void write_string(std::string& out, std::string_view s);
// Shortest text that reads back to the same double; non-finite as null.
void write_number(std::string& out, double d);
void write_number(std::string& out, const Number& n);
// Compact text of a value. Object members come out in ascending byte order
// of their keys (for a repeated key only the last one is written).
void write_value(std::string& out, const Value& v);
// Compact text of a value with object members in document order, repeated
// keys included: reading it back gives the same value (and the same
// faults).
void write_value_as_read(std::string& out, const Value& v);

// The generic replies.
std::string ok_reply();                             // {"ok":true}
std::string error_reply(std::string_view message);  // {"error":...,"ok":false}

}  // namespace tolvex::json
