#include "number_text.h"

#include <charconv>
#include <cmath>

namespace tolvex {

std::string plain_decimal(double v) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  // Fixed notation without a precision gives the shortest round-trip digits.
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return std::string(buf, res.ptr);
}

}  // namespace tolvex
