#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "json/json.h"

namespace tolvex::json {

void write_string(std::string& out, std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  std::size_t run = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(s.data() + run, i - run);
    run = i + 1;
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
  }
  out.append(s.data() + run, s.size() - run);
  out += '"';
}

void write_number(std::string& out, double d) {
  if (!std::isfinite(d)) {
    out += "null";
    return;
  }
  if (d == 0) {
    out += std::signbit(d) ? "-0.0" : "0.0";
    return;
  }
  // Shortest round-trip digits, then laid out by the decimal exponent.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific);
  std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  std::size_t e_at = sci.find('e');
  std::string_view mantissa = sci.substr(0, e_at);
  int exp = std::atoi(std::string(sci.substr(e_at + 1)).c_str());
  bool negative = mantissa.front() == '-';
  if (negative) mantissa.remove_prefix(1);
  std::string digits;
  for (char c : mantissa) {
    if (c != '.') digits += c;
  }
  if (negative) out += '-';
  if (exp >= -5 && exp <= 15) {
    if (exp < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-exp - 1), '0');
      out += digits;
    } else {
      std::size_t int_digits = static_cast<std::size_t>(exp) + 1;
      if (digits.size() <= int_digits) {
        out += digits;
        out.append(int_digits - digits.size(), '0');
        out += ".0";
      } else {
        out.append(digits, 0, int_digits);
        out += '.';
        out.append(digits, int_digits);
      }
    }
    return;
  }
  out += digits[0];
  if (digits.size() > 1) {
    out += '.';
    out.append(digits, 1);
  }
  out += 'e';
  out += exp < 0 ? '-' : '+';
  out += std::to_string(std::abs(exp));
}

void write_number(std::string& out, const Number& n) {
  switch (n.kind) {
    case NumberKind::kUnsigned:
      out += std::to_string(n.u);
      return;
    case NumberKind::kSigned:
      out += std::to_string(n.i);
      return;
    case NumberKind::kFloat:
      write_number(out, n.d);
      return;
  }
}

namespace {

void write_object(std::string& out, const std::vector<Member>& members) {
  // Sorted by key; for a repeated key the last one wins.
  std::vector<std::size_t> order(members.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return members[a].key < members[b].key; });
  out += '{';
  bool first = true;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (k + 1 < order.size() && members[order[k + 1]].key == members[order[k]].key) continue;
    if (!first) out += ',';
    first = false;
    write_string(out, members[order[k]].key);
    out += ':';
    write_value(out, members[order[k]].value);
  }
  out += '}';
}

}  // namespace

void write_value(std::string& out, const Value& v) {
  switch (v.type()) {
    case Value::Type::kNull:
      out += "null";
      return;
    case Value::Type::kBool:
      out += v.as_bool() ? "true" : "false";
      return;
    case Value::Type::kNumber:
      write_number(out, v.as_number());
      return;
    case Value::Type::kString:
      write_string(out, v.as_string());
      return;
    case Value::Type::kArray: {
      out += '[';
      bool first = true;
      for (const Value& item : v.items()) {
        if (!first) out += ',';
        first = false;
        write_value(out, item);
      }
      out += ']';
      return;
    }
    case Value::Type::kObject:
      write_object(out, v.members());
      return;
  }
}

void write_value_as_read(std::string& out, const Value& v) {
  if (v.is_array()) {
    out += '[';
    bool first = true;
    for (const Value& item : v.items()) {
      if (!first) out += ',';
      first = false;
      write_value_as_read(out, item);
    }
    out += ']';
    return;
  }
  if (!v.is_object()) {
    write_value(out, v);
    return;
  }
  out += '{';
  bool first = true;
  for (const Member& m : v.members()) {
    if (!first) out += ',';
    first = false;
    write_string(out, m.key);
    out += ':';
    write_value_as_read(out, m.value);
  }
  out += '}';
}

std::string ok_reply() {
  return "{\"ok\":true}";
}

std::string error_reply(std::string_view message) {
  std::string out = "{\"error\":";
  write_string(out, message);
  out += ",\"ok\":false}";
  return out;
}

}  // namespace tolvex::json
