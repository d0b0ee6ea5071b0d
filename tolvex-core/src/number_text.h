// Plain positional decimal text of a double with the fewest digits that
// read back to the same value and never an exponent: 2.5 -> "2.5",
// 3.0 -> "3", -0.0 -> "-0", 1e-7 -> "0.0000001".
#pragma once

#include <string>

namespace tolvex {

std::string plain_decimal(double v);

}  // namespace tolvex
