#include "scan/number_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tolvex::screener {
namespace {

std::string text(double v) {
  std::string out;
  append_number(out, v);
  return out;
}

TEST(NumberWriter, LayoutByDecimalExponent) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double v;
    const char* want;
  } cases[] = {
      {0.0, "0.0"},
      {-0.0, "-0.0"},
      {1500, "1500.0"},
      {101.5, "101.5"},
      {-2.5, "-2.5"},
      {0.00001234, "0.00001234"},
      {0.00001, "0.00001"},  // exponent -5: still plain
      {1e-6, "1e-6"},        // exponent -6: scientific
      {1.5e-7, "1.5e-7"},
      {1e15, "1000000000000000.0"},
      {123456789012345.6, "123456789012345.6"},
      {1e16, "1e+16"},
      {1.2345e20, "1.2345e+20"},
      {12345678901234567890.0, "1.2345678901234567e+19"},
      {-1.7976931348623157e308, "-1.7976931348623157e+308"},
      {5e-324, "5e-324"},
      {kInf, "null"},
      {-kInf, "null"},
      {std::nan(""), "null"},
  };
  for (const auto& c : cases) EXPECT_EQ(text(c.v), c.want) << c.v;
}

TEST(NumberWriter, RoundsToEightDecimalsHalvesAwayFromZero) {
  // Products with the scale are exact halves for 2.5e-8, 5e-9 and
  // 12.345678905 (checked with a one-line Python product).
  EXPECT_EQ(text(round8(0.123456789)), "0.12345679");
  EXPECT_EQ(text(round8(2.5e-8)), "3e-8");
  EXPECT_EQ(text(round8(-2.5e-8)), "-3e-8");
  EXPECT_EQ(text(round8(5e-9)), "1e-8");
  EXPECT_EQ(text(round8(12.345678905)), "12.34567891");
  EXPECT_EQ(text(round8(1e-9)), "0.0");
  EXPECT_EQ(text(round8(-1e-9)), "-0.0");
  EXPECT_EQ(text(round8(12345678901234567890.0)), "1.2345678901234567e+19");
  EXPECT_EQ(text(round8(1e301)), "null");  // the scaled product overflows
  // Whole-number products need no rounding; scaling back must not move them.
  EXPECT_EQ(text(round8(1e15)), "1000000000000000.0");
  EXPECT_EQ(text(round8(123456789.5)), "123456789.5");
}

}  // namespace
}  // namespace tolvex::screener
