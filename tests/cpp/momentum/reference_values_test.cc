// Whole series checked against value_table.inc, which expected_values.py
// computes independently from each definition by re-summing every window
// directly at every step (see the script).
#include <algorithm>

#include "momentum/series.h"

namespace tolvex::momentum_test {
namespace {

enum class Series { kCloses, kBars, kLong };

// The bars of expected_values.py: open, high, low, close, volume.
const std::vector<Bar> kBarData = {
    {10.0, 10.6, 9.7, 10.2, 1200},  {10.2, 10.9, 10.1, 10.8, 1500}, {10.8, 11.0, 10.3, 10.4, 900},
    {10.4, 10.5, 9.8, 9.9, 1700},   {9.9, 10.4, 9.6, 10.3, 1100},   {10.3, 11.2, 10.2, 11.1, 2100},
    {11.1, 11.5, 10.9, 11.4, 1300}, {11.4, 11.4, 10.6, 10.7, 1600}, {10.7, 10.9, 10.1, 10.2, 1000},
    {10.2, 10.8, 10.0, 10.6, 1400}, {10.6, 11.3, 10.5, 11.2, 1800}, {11.2, 11.9, 11.1, 11.8, 2000},
    {11.8, 11.9, 11.0, 11.3, 1250}, {11.3, 11.6, 10.8, 10.9, 1350},
};

// long_closes() of the script: a steady zig-zag with a volatile stretch.
std::vector<double> long_closes() {
  std::vector<double> xs;
  double x = 50.0;
  for (int i = 0; i < 40; ++i) {
    x += (i % 3 ? 1.5 : -2.0) * (18 <= i && i < 26 ? 3.0 : 0.4);
    xs.push_back(x);
  }
  return xs;
}

struct Reference {
  const char* name;
  std::vector<double> params;
  Series series;
  Values want;
};

const Reference kTable[] = {
#include "momentum/value_table.inc"
};

TEST(MomentumReference, MatchesIndependentCalculation) {
  std::vector<double> closes;
  for (const Bar& b : kBarData) closes.push_back(b.close);
  for (const Reference& r : kTable) {
    Values got;
    switch (r.series) {
      case Series::kCloses:
        got = run(r.name, r.params, closes);
        break;
      case Series::kBars:
        got = run_bars(r.name, r.params, kBarData);
        break;
      case Series::kLong:
        got = run(r.name, r.params, long_closes());
        break;
    }
    ASSERT_EQ(got.size(), r.want.size()) << r.name;
    for (std::size_t i = 0; i < got.size(); ++i) {
      ASSERT_EQ(got[i].has_value(), r.want[i].has_value()) << r.name << " step " << i;
      if (!got[i]) continue;
      double tol = 1e-9 * std::max(1.0, std::fabs(*r.want[i]));
      EXPECT_NEAR(*got[i], *r.want[i], tol) << r.name << " step " << i;
    }
  }
}

}  // namespace
}  // namespace tolvex::momentum_test
