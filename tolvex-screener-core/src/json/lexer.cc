#include "json/lexer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace tolvex::json::detail {

namespace {

// Bytes that may appear unescaped inside a string and need no attention.
constexpr std::array<bool, 256> kPlain = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = c >= 0x20 && c != '"' && c != '\\';
  return t;
}();

inline bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool read_hex4(Scan& s, std::uint32_t& cp) {
  cp = 0;
  for (int i = 0; i < 4; ++i) {
    if (s.p == s.end) return s.fail_eof(Fault::kEofString);
    int h = hex_value(*s.p);
    if (h < 0) return s.fail(Fault::kInvalidEscape, s.p + 1);
    cp = cp * 16 + static_cast<std::uint32_t>(h);
    ++s.p;
  }
  return true;
}

void append_utf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// `s.p` is just past the "\u". Surrogate pairs must come as two escapes.
bool read_unicode_escape(Scan& s, std::string* out) {
  std::uint32_t cp;
  if (!read_hex4(s, cp)) return false;
  if (cp >= 0xDC00 && cp <= 0xDFFF) return s.fail(Fault::kLoneSurrogate, s.p);
  if (cp >= 0xD800 && cp <= 0xDBFF) {
    if (s.p == s.end) return s.fail_eof(Fault::kEofString);
    if (*s.p != '\\') return s.fail(Fault::kEndOfHexEscape, s.p + 1);
    ++s.p;
    if (s.p == s.end) return s.fail_eof(Fault::kEofString);
    if (*s.p != 'u') return s.fail(Fault::kEndOfHexEscape, s.p + 1);
    ++s.p;
    std::uint32_t low;
    if (!read_hex4(s, low)) return false;
    if (low < 0xDC00 || low > 0xDFFF) return s.fail(Fault::kLoneSurrogate, s.p);
    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
  }
  if (out) append_utf8(*out, cp);
  return true;
}

// An integral number beyond 64 bits, or one with a fraction or exponent.
double to_double(const char* first, const char* last) {
  double d = 0;
  auto [ptr, ec] = std::from_chars(first, last, d);
  if (ec == std::errc()) return d;
  // Out of range: strtod gives the nearest value, a subnormal or zero on
  // underflow and an infinity on overflow (which the callers reject).
  std::string copy(first, last);
  return std::strtod(copy.c_str(), nullptr);
}

}  // namespace

const char* fault_text(Fault f) {
  switch (f) {
    case Fault::kNone:
      return "no error";
    case Fault::kEofValue:
      return "EOF while parsing a value";
    case Fault::kEofString:
      return "EOF while parsing a string";
    case Fault::kEofList:
      return "EOF while parsing a list";
    case Fault::kEofObject:
      return "EOF while parsing an object";
    case Fault::kExpectedValue:
      return "expected value";
    case Fault::kExpectedIdent:
      return "expected ident";
    case Fault::kExpectedColon:
      return "expected `:`";
    case Fault::kExpectedCommaBrace:
      return "expected `,` or `}`";
    case Fault::kExpectedCommaBracket:
      return "expected `,` or `]`";
    case Fault::kKeyMustBeString:
      return "key must be a string";
    case Fault::kTrailingComma:
      return "trailing comma";
    case Fault::kTrailingCharacters:
      return "trailing characters";
    case Fault::kControlCharacter:
      return "control character (\\u0000-\\u001F) found while parsing a string";
    case Fault::kInvalidEscape:
      return "invalid escape";
    case Fault::kInvalidNumber:
      return "invalid number";
    case Fault::kNumberOutOfRange:
      return "number out of range";
    case Fault::kLoneSurrogate:
      return "lone leading surrogate in hex escape";
    case Fault::kEndOfHexEscape:
      return "unexpected end of hex escape";
    case Fault::kRecursionLimit:
      return "recursion limit exceeded";
  }
  return "invalid JSON";
}

void position_of(std::string_view text, std::size_t consumed, std::size_t& line,
                 std::size_t& column) {
  if (consumed > text.size()) consumed = text.size();
  line = 1;
  std::size_t line_start = 0;
  const char* base = text.data();
  const char* p = base;
  const char* stop = base + consumed;
  while (p < stop) {
    const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(stop - p));
    if (!nl) break;
    p = static_cast<const char*>(nl) + 1;
    ++line;
    line_start = static_cast<std::size_t>(p - base);
  }
  column = consumed - line_start;
}

Error to_error(const Scan& s) {
  Error e{fault_text(s.fault), 0, 0};
  position_of(std::string_view(s.begin, static_cast<std::size_t>(s.end - s.begin)),
              static_cast<std::size_t>(s.consumed - s.begin), e.line, e.column);
  return e;
}

bool scan_string(Scan& s, std::string* out) {
  const char* run = s.p;
  for (;;) {
    while (s.p < s.end && kPlain[static_cast<unsigned char>(*s.p)]) ++s.p;
    if (s.p == s.end) return s.fail_eof(Fault::kEofString);
    char c = *s.p;
    if (c == '"') {
      if (out) out->append(run, s.p);
      ++s.p;
      return true;
    }
    if (c != '\\') return s.fail(Fault::kControlCharacter, s.p + 1);
    if (out) out->append(run, s.p);
    ++s.p;
    if (s.p == s.end) return s.fail_eof(Fault::kEofString);
    char e = *s.p++;
    char decoded = 0;
    switch (e) {
      case '"':
      case '\\':
      case '/':
        decoded = e;
        break;
      case 'b':
        decoded = '\b';
        break;
      case 'f':
        decoded = '\f';
        break;
      case 'n':
        decoded = '\n';
        break;
      case 'r':
        decoded = '\r';
        break;
      case 't':
        decoded = '\t';
        break;
      case 'u':
        if (!read_unicode_escape(s, out)) return false;
        run = s.p;
        continue;
      default:
        return s.fail(Fault::kInvalidEscape, s.p);
    }
    if (out) *out += decoded;
    run = s.p;
  }
}

bool read_string(Scan& s, std::string& scratch, std::string_view& text) {
  const char* first = s.p;
  while (s.p < s.end && kPlain[static_cast<unsigned char>(*s.p)]) ++s.p;
  if (s.p < s.end && *s.p == '"') {
    text = std::string_view(first, static_cast<std::size_t>(s.p - first));
    ++s.p;
    return true;
  }
  scratch.assign(first, s.p);
  if (!scan_string(s, &scratch)) return false;
  text = scratch;
  return true;
}

template <bool kConvert>
bool lex_number_as(Scan& s, Number* out) {
  const char* first = s.p;
  const char* q = s.p;
  bool negative = *q == '-';
  if (negative) ++q;
  if (q == s.end) return s.fail_eof(Fault::kInvalidNumber);
  // The first 19 digits accumulate exactly in `m`; `exact` turns false
  // when more follow.
  std::uint64_t m = 0;
  int digits = 0;
  bool exact = true;
  // Digits of the integer part that count towards the magnitude, plus the
  // explicit exponent: together they bound the value from above.
  long magnitude = 0;
  if (*q == '0') {
    ++q;
    if (q < s.end && is_digit(*q)) return s.fail(Fault::kInvalidNumber, q + 1);
  } else if (is_digit(*q)) {
    const char* start = q;
    for (; q < s.end && is_digit(*q); ++q) {
      if (!kConvert) continue;
      if (digits < 19) {
        m = m * 10 + static_cast<unsigned>(*q - '0');
        ++digits;
      } else {
        exact = false;
      }
    }
    magnitude = static_cast<long>(q - start);
  } else {
    return s.fail(Fault::kInvalidNumber, q + 1);
  }
  bool integral = true;
  long exp10 = 0;
  if (q < s.end && *q == '.') {
    integral = false;
    ++q;
    if (q == s.end) return s.fail_eof(Fault::kInvalidNumber);
    if (!is_digit(*q)) return s.fail(Fault::kInvalidNumber, q + 1);
    for (; q < s.end && is_digit(*q); ++q) {
      if (!kConvert) continue;
      if (digits < 19) {
        m = m * 10 + static_cast<unsigned>(*q - '0');
        ++digits;
        --exp10;
      } else {
        exact = false;
      }
    }
  }
  if (q < s.end && (*q == 'e' || *q == 'E')) {
    integral = false;
    ++q;
    bool negative_exp = false;
    if (q < s.end && (*q == '+' || *q == '-')) negative_exp = *q++ == '-';
    if (q == s.end) return s.fail_eof(Fault::kInvalidNumber);
    if (!is_digit(*q)) return s.fail(Fault::kInvalidNumber, q + 1);
    long exp = 0;
    for (; q < s.end && is_digit(*q); ++q) {
      if (exp < 100000) exp = exp * 10 + (*q - '0');
    }
    if (negative_exp) exp = -exp;
    magnitude += exp;
    exp10 += exp;
  }
  s.p = q;
  if (!kConvert) {
    // Below 10^308 the value is certainly finite; only near the top of
    // the range is the exact conversion needed to tell.
    if (magnitude > 308 && !std::isfinite(to_double(first, q))) {
      return s.fail(Fault::kNumberOutOfRange, q);
    }
    return true;
  }
  if (integral) {
    if (!exact) {
      // 20 digits may still fit 64 bits; longer runs become doubles, and
      // those beyond the double range are as out of range here as in a
      // syntax-only scan.
      *out = convert_number(first, q);
      if (!std::isfinite(out->d)) return s.fail(Fault::kNumberOutOfRange, q);
      return true;
    }
    if (!negative) {
      *out = Number{NumberKind::kUnsigned, m, 0, static_cast<double>(m)};
      return true;
    }
    if (m != 0 && m <= (std::uint64_t{1} << 63)) {
      std::int64_t i = static_cast<std::int64_t>(0 - m);
      *out = Number{NumberKind::kSigned, 0, i, static_cast<double>(i)};
      return true;
    }
  }
  // Exact decimal significand and power of ten are both exact doubles:
  // one correctly rounded operation gives the correctly rounded value.
  static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  double d;
  if (exact && m <= (std::uint64_t{1} << 53) && exp10 >= -22 && exp10 <= 22) {
    d = static_cast<double>(m);
    d = exp10 < 0 ? d / kPow10[-exp10] : d * kPow10[exp10];
    if (negative) d = -d;
  } else {
    d = to_double(first, q);
    if (!std::isfinite(d)) return s.fail(Fault::kNumberOutOfRange, q);
  }
  *out = Number{NumberKind::kFloat, 0, 0, d};
  return true;
}

bool lex_number(Scan& s, Number* out) {
  return out ? lex_number_as<true>(s, out) : lex_number_as<false>(s, nullptr);
}

Number convert_number(const char* first, const char* last) {
  Number n;
  const char* q = first;
  bool negative = *q == '-';
  if (negative) ++q;
  std::uint64_t acc = 0;
  bool integral = true;
  bool overflow = false;
  for (; q < last; ++q) {
    char c = *q;
    if (!is_digit(c)) {
      integral = false;
      break;
    }
    unsigned digit = static_cast<unsigned>(c - '0');
    if (acc > (UINT64_MAX - digit) / 10) {
      overflow = true;
      break;
    }
    acc = acc * 10 + digit;
  }
  if (integral && !overflow) {
    if (!negative) {
      n.kind = NumberKind::kUnsigned;
      n.u = acc;
      n.d = static_cast<double>(acc);
      return n;
    }
    // -0 and integers below the signed range are floats.
    if (acc != 0 && acc <= (std::uint64_t{1} << 63)) {
      n.kind = NumberKind::kSigned;
      n.i = static_cast<std::int64_t>(0 - acc);
      n.d = static_cast<double>(n.i);
      return n;
    }
  }
  n.kind = NumberKind::kFloat;
  n.d = to_double(first, last);
  return n;
}

bool scan_literal(Scan& s, std::string_view word) {
  ++s.p;
  for (std::size_t i = 1; i < word.size(); ++i) {
    if (s.p == s.end) return s.fail_eof(Fault::kEofValue);
    if (*s.p != word[i]) return s.fail(Fault::kExpectedIdent, s.p + 1);
    ++s.p;
  }
  return true;
}

}  // namespace tolvex::json::detail
