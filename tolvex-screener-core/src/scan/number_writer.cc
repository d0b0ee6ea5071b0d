#include "scan/number_writer.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tolvex::screener {

double round8(double v) {
  constexpr double kScale = 100000000.0;
  const double scaled = v * kScale;
  // From 2^52 up every double is an integer, so there is nothing to round;
  // dividing back would only add an error (1e15 would come out as
  // 999999999999999.9). An overflowing product stays infinite.
  if (std::isfinite(scaled) && std::fabs(scaled) >= 4503599627370496.0) return v;
  // std::round takes halves away from zero, as the document requires.
  return std::round(scaled) / kScale;
}

void append_number(std::string& out, double v) {
  if (!std::isfinite(v)) {
    out += "null";
    return;
  }
  if (v == 0) {
    out += std::signbit(v) ? "-0.0" : "0.0";
    return;
  }
  // Scientific form without a precision yields the shortest digit string
  // that reads back to the same double, e.g. "-1.2345e-07".
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const char* p = buf;
  const char* end = res.ptr;
  if (*p == '-') {
    out += '-';
    ++p;
  }
  char digits[32];
  int n = 0;
  for (; p < end && *p != 'e'; ++p)
    if (*p != '.') digits[n++] = *p;
  // The exponent: "e+16", "e-07".
  const bool negative_exp = p + 1 < end && p[1] == '-';
  int exp = 0;
  for (const char* q = p + 2; q < end; ++q) exp = exp * 10 + (*q - '0');
  if (negative_exp) exp = -exp;

  if (exp < -5 || exp > 15) {
    out += digits[0];
    if (n > 1) {
      out += '.';
      out.append(digits + 1, n - 1);
    }
    out += 'e';
    out += exp < 0 ? '-' : '+';
    out += std::to_string(std::abs(exp));
    return;
  }
  if (exp < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exp - 1), '0');
    out.append(digits, n);
    return;
  }
  const int int_digits = exp + 1;
  if (n <= int_digits) {
    out.append(digits, n);
    out.append(static_cast<std::size_t>(int_digits - n), '0');
    out += ".0";
    return;
  }
  out.append(digits, int_digits);
  out += '.';
  out.append(digits + int_digits, n - int_digits);
}

}  // namespace tolvex::screener
