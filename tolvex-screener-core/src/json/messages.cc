// The wording of typed-conversion faults, and the scalar conversions that
// use it.
#include <cstdio>

#include "json/json.h"
#include "number_text.h"

namespace tolvex::json {

namespace {

// A float as such messages show it: plain digits, and always a decimal
// point so that it reads as a float ("floating point `1.0`").
std::string float_text(double d) {
  std::string s = plain_decimal(d);
  if (s.find('.') == std::string::npos && s.find('n') == std::string::npos) s += ".0";
  return s;
}

std::string backticked(std::string_view s) {
  std::string out = "`";
  out += s;
  out += '`';
  return out;
}

}  // namespace

std::string unexpected(const Number& n) {
  switch (n.kind) {
    case NumberKind::kUnsigned:
      return "integer `" + std::to_string(n.u) + "`";
    case NumberKind::kSigned:
      return "integer `" + std::to_string(n.i) + "`";
    case NumberKind::kFloat:
      break;
  }
  return "floating point `" + float_text(n.d) + "`";
}

std::string unexpected_string(std::string_view s) {
  // Quoted with the escapes of a debug rendering.
  std::string out = "string \"";
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\0':
        out += "\\0";
        break;
      default:
        if (u < 0x20 || u == 0x7f) {
          char buf[16];
          std::snprintf(buf, sizeof buf, "\\u{%x}", u);
          out += buf;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string unexpected(const Value& v) {
  switch (v.type()) {
    case Value::Type::kNull:
      return "null";
    case Value::Type::kBool:
      return v.as_bool() ? "boolean `true`" : "boolean `false`";
    case Value::Type::kNumber:
      return unexpected(v.as_number());
    case Value::Type::kString:
      return unexpected_string(v.as_string());
    case Value::Type::kArray:
      return "sequence";
    case Value::Type::kObject:
      return "map";
  }
  return "value";
}

std::string missing_field(std::string_view field) {
  return "missing field " + backticked(field);
}

std::string duplicate_field(std::string_view field) {
  return "duplicate field " + backticked(field);
}

std::string invalid_length(std::size_t n, std::string_view expected) {
  return "invalid length " + std::to_string(n) + ", expected " + std::string(expected);
}

std::string invalid_type(std::string_view unexpected, std::string_view expected) {
  return "invalid type: " + std::string(unexpected) + ", expected " + std::string(expected);
}

std::string invalid_value(std::string_view unexpected, std::string_view expected) {
  return "invalid value: " + std::string(unexpected) + ", expected " + std::string(expected);
}

std::string unknown_variant(std::string_view variant, std::span<const std::string_view> expected) {
  std::string out = "unknown variant " + backticked(variant) + ", ";
  if (expected.empty()) return out + "there are no variants";
  out += "expected ";
  if (expected.size() == 1) return out + backticked(expected[0]);
  if (expected.size() == 2) return out + backticked(expected[0]) + " or " + backticked(expected[1]);
  out += "one of ";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (i) out += ", ";
    out += backticked(expected[i]);
  }
  return out;
}

Error error_at(const Value& at, std::string message) {
  return Error{std::move(message), at.line(), at.column()};
}

Result<std::int64_t, std::string> number_to_i64(const Number& n) {
  switch (n.kind) {
    case NumberKind::kSigned:
      return n.i;
    case NumberKind::kUnsigned:
      if (n.u <= static_cast<std::uint64_t>(INT64_MAX)) return static_cast<std::int64_t>(n.u);
      return err(invalid_value(unexpected(n), "i64"));
    case NumberKind::kFloat:
      break;
  }
  return err(invalid_type(unexpected(n), "i64"));
}

Result<std::uint64_t, std::string> number_to_u64(const Number& n) {
  switch (n.kind) {
    case NumberKind::kUnsigned:
      return n.u;
    case NumberKind::kSigned:
      return err(invalid_value(unexpected(n), "u64"));
    case NumberKind::kFloat:
      break;
  }
  return err(invalid_type(unexpected(n), "u64"));
}

Result<std::int64_t, Error> to_i64(const Value& v) {
  if (!v.is_number()) return err(error_at(v, invalid_type(unexpected(v), "i64")));
  auto r = number_to_i64(v.as_number());
  if (!r) return err(error_at(v, std::move(r).error()));
  return *r;
}

Result<std::uint64_t, Error> to_u64(const Value& v) {
  if (!v.is_number()) return err(error_at(v, invalid_type(unexpected(v), "u64")));
  auto r = number_to_u64(v.as_number());
  if (!r) return err(error_at(v, std::move(r).error()));
  return *r;
}

Result<std::uint32_t, Error> to_u32(const Value& v) {
  if (!v.is_number()) return err(error_at(v, invalid_type(unexpected(v), "u32")));
  const Number& n = v.as_number();
  if (n.kind == NumberKind::kFloat) return err(error_at(v, invalid_type(unexpected(n), "u32")));
  if (n.kind == NumberKind::kSigned || n.u > UINT32_MAX) {
    return err(error_at(v, invalid_value(unexpected(n), "u32")));
  }
  return static_cast<std::uint32_t>(n.u);
}

Result<double, Error> to_f64(const Value& v) {
  if (!v.is_number()) return err(error_at(v, invalid_type(unexpected(v), "f64")));
  return v.as_double();
}

Result<bool, Error> to_bool(const Value& v) {
  if (!v.is_bool()) return err(error_at(v, invalid_type(unexpected(v), "a boolean")));
  return v.as_bool();
}

Result<std::string, Error> to_string(const Value& v) {
  if (!v.is_string()) return err(error_at(v, invalid_type(unexpected(v), "a string")));
  return v.as_string();
}

}  // namespace tolvex::json
