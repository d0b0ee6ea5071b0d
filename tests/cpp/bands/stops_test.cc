// The two volatility stops over a rise, a crash and a rally, so that each
// flips short and back long. Expected values from an independent numpy
// script (plain loops; np.std(ddof=1) for the Kase deviation).
#include <gtest/gtest.h>

#include "band_series.h"

namespace tolvex::testing {
namespace {

std::vector<Candle> rise_crash_rally() {
  const double c[] = {10, 10.5, 11, 11.6, 12, 12.3, 11, 9.8, 9, 8.7, 8.9, 9.8, 10.9, 12, 12.6};
  std::vector<Candle> out;
  for (double x : c) out.push_back(bar(x, x + 0.4, x - 0.5, x));
  return out;
}

struct StopCase {
  const char* name;
  std::vector<double> params;
  std::vector<std::pair<double, double>> from_step_3;  // value, direction
};

class Stop : public ::testing::TestWithParam<StopCase> {};

TEST_P(Stop, StartsLongFlipsBothWaysAndNeverLoosens) {
  const StopCase& c = GetParam();
  auto e = build(c.name, c.params);
  auto steps = run(*e, rise_crash_rally());
  ASSERT_EQ(first_value(steps), 3);
  for (std::size_t t = 3; t < steps.size(); ++t) {
    const auto& [value, direction] = c.from_step_3[t - 3];
    EXPECT_NEAR(field(steps[t], "value"), value, 1e-12) << t;
    EXPECT_EQ(field(steps[t], "direction"), direction) << t;
    if (t > 3 && direction == field(steps[t - 1], "direction")) {
      // While the direction holds, a long stop only rises and a short one only falls.
      double change = field(steps[t], "value") - field(steps[t - 1], "value");
      EXPECT_GE(change * direction, 0) << t;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Bands, Stop,
                         ::testing::Values(StopCase{"ElderSafeZone",
                                                    {3, 1.5},
                                                    {{11.1, 1},
                                                     {11.5, 1},
                                                     {11.8, 1},
                                                     {11.925, -1},
                                                     {10.650000000000002, -1},
                                                     {9.4, -1},
                                                     {9.1, -1},
                                                     {9.1, -1},
                                                     {8.85, 1},
                                                     {10.4, 1},
                                                     {11.5, 1},
                                                     {12.1, 1}}},
                                           StopCase{"KaseDevStop",
                                                    {3, 0.5},
                                                    {{10.537799153207185, 1},
                                                     {10.95, 1},
                                                     {11.29029040508407, 1},
                                                     {12.342045194030973, -1},
                                                     {11.40871186069764, -1},
                                                     {10.63228756555323, -1},
                                                     {10.09212915430781, -1},
                                                     {9.69406084601655, -1},
                                                     {8.644036388473324, 1},
                                                     {9.430375885354037, 1},
                                                     {10.408931639747705, 1},
                                                     {11.02232909936926, 1}}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvex::testing
