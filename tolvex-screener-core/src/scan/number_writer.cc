#include "scan/number_writer.h"

#include <cmath>
#include <string>

#include "json/json.h"

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
  // One number layout for every JSON text the screener writes.
  json::write_number(out, v);
}

}  // namespace tolvex::screener
