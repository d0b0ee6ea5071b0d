// How the result document rounds and writes its numbers.
#pragma once

#include <string>

namespace tolvex::screener {

// Rounds to 8 decimal places, halves away from zero. A value too large for
// the scaled product becomes infinite.
double round8(double v);

// Appends `v` in the result document's layout: shortest round-trip digits,
// plain notation for decimal exponents -5..15 ("1500.0", "0.00001234"),
// scientific otherwise ("1e+16", "1.5e-7"), "-0.0" for negative zero and
// null for non-finite values.
void append_number(std::string& out, double v);

}  // namespace tolvex::screener
