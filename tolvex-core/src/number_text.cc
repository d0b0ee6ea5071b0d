#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tolvex {

std::string plain_decimal(double v) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  // The shortest round-trip digits come from the scientific form
  // ("d.ddde+x"); they are then laid out positionally. Fixed notation cannot
  // be used directly: beyond 2^53 it prints every digit of the binary value
  // (1e23 as 99999999999999991611392) instead of the shortest ones, padded
  // with zeros.
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  std::size_t e_pos = sci.find('e');
  int exponent = std::atoi(std::string(sci.substr(e_pos + 1)).c_str());
  std::string_view mantissa = sci.substr(0, e_pos);
  bool negative = !mantissa.empty() && mantissa[0] == '-';
  if (negative) mantissa.remove_prefix(1);
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits += c;

  std::string out = negative ? "-" : "";
  // The first digit stands for 10^exponent.
  long point = static_cast<long>(exponent) + 1;  // digits before the point
  long count = static_cast<long>(digits.size());
  if (point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
  } else if (point >= count) {
    out += digits;
    out.append(static_cast<std::size_t>(point - count), '0');
  } else {
    out.append(digits, 0, static_cast<std::size_t>(point));
    out += '.';
    out.append(digits, static_cast<std::size_t>(point), std::string::npos);
  }
  return out;
}

}  // namespace tolvex
