// Construction rules of every band type, in their checking order, as the
// registry renders them.
#include <gtest/gtest.h>

#include "band_series.h"
#include "indicators/bands/atr_bands.h"
#include "indicators/bands/bollinger_bands.h"
#include "indicators/bands/double_bollinger.h"
#include "indicators/bands/fractal_chaos_bands.h"
#include "indicators/bands/keltner.h"
#include "indicators/bands/lin_reg_channel.h"
#include "indicators/bands/ttm_squeeze.h"

namespace tolvex::testing {
namespace {

constexpr const char* kZero = "period must be greater than zero";
constexpr const char* kTooLong =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";
constexpr const char* kMultiplier = "multiplier must be greater than zero";
constexpr double kMax = 16777216;

struct Rule {
  const char* name;
  std::vector<double> params;
  std::string reason;  // "built" when construction must succeed
};

class Validation : public ::testing::TestWithParam<Rule> {};

TEST_P(Validation, Message) {
  const Rule& r = GetParam();
  std::string want = r.reason == "built" ? r.reason
                                         : "invalid parameters for indicator " +
                                               std::string(r.name) + ": " + r.reason;
  EXPECT_EQ(build_error(r.name, r.params), want);
}

std::string rendered(const IndicatorError& e) {
  return to_string(e);
}

TEST(Validation, ZeroPeriodsGivenToTheConstructors) {
  EXPECT_EQ(rendered(BollingerBands::create(0, -1).error()), kZero);
  EXPECT_EQ(rendered(AtrBands::create(0, -1).error()), kMultiplier);
  EXPECT_EQ(rendered(AtrBands::create(0, 1).error()), kZero);
  EXPECT_EQ(rendered(Keltner::create(20, 0, 1).error()), kZero);
  EXPECT_EQ(rendered(DoubleBollinger::create(0, 1, 2).error()), kZero);
  EXPECT_EQ(rendered(FractalChaosBands::create(0).error()), kZero);
  EXPECT_EQ(rendered(LinRegChannel::create(0, 1).error()),
            "invalid period: linear regression channel needs period >= 2");
  EXPECT_EQ(rendered(TtmSqueeze::create(0, 1, 1).error()),
            "invalid period: TTM squeeze needs period >= 2 for the momentum regression");
}

// Periods of 0 never reach a constructor through the registry (the decoder
// wants a positive integer), so the period rules are exercised with an
// over-long window here and with 0 directly below.
// Where two rules are broken at once, the first listed must be reported,
// which pins the checking order.
INSTANTIATE_TEST_SUITE_P(
    Bands, Validation,
    ::testing::Values(
        // period first, then the multiplier
        Rule{"BollingerBands", {kMax + 1, 0}, kTooLong},
        Rule{"BollingerBands", {kMax + 1, 2}, kTooLong}, Rule{"BollingerBands", {kMax, 2}, "built"},
        Rule{"BollingerBands", {20, 0}, kMultiplier}, Rule{"BollingerBands", {20, -1}, kMultiplier},
        Rule{"BollingerBandwidth", {kMax + 1, 0}, kTooLong},
        Rule{"BollingerBandwidth", {20, 0}, kMultiplier},
        Rule{"PercentB", {kMax + 1, -1}, kTooLong}, Rule{"PercentB", {20, -1}, kMultiplier},
        Rule{"MedianChannel", {kMax + 1, 0}, kTooLong}, Rule{"MedianChannel", {5, 0}, kMultiplier},
        Rule{"ElderSafeZone", {kMax + 1, 0}, kTooLong}, Rule{"ElderSafeZone", {5, 0}, kMultiplier},
        // the multiplier first, then the period
        Rule{"AtrBands", {kMax + 1, 0}, kMultiplier}, Rule{"AtrBands", {kMax + 1, 2}, kTooLong},
        Rule{"AccelerationBands", {kMax + 1, 0}, kMultiplier},
        Rule{"AccelerationBands", {kMax + 1, 4}, kTooLong},
        Rule{"HurstChannel", {kMax + 1, -2}, kMultiplier},
        Rule{"HurstChannel", {kMax + 1, 2}, kTooLong},
        // multiplier, then a, then b
        Rule{"Keltner", {kMax + 1, kMax + 1, 0}, kMultiplier},
        Rule{"Keltner", {kMax + 1, kMax + 1, 2}, kTooLong},
        Rule{"Keltner", {20, kMax + 1, 2}, kTooLong},
        Rule{"StarcBands", {kMax + 1, kMax + 1, 0}, kMultiplier},
        Rule{"StarcBands", {6, kMax + 1, 2}, kTooLong},
        // both multipliers, their order, then the period
        Rule{"DoubleBollinger", {kMax + 1, 0, 2}, kMultiplier},
        Rule{"DoubleBollinger", {kMax + 1, 1, -2}, kMultiplier},
        Rule{"DoubleBollinger",
             {kMax + 1, 2, 2},
             "invalid period: double bollinger requires k_outer > k_inner"},
        Rule{"DoubleBollinger",
             {kMax + 1, 3, 2},
             "invalid period: double bollinger requires k_outer > k_inner"},
        Rule{"DoubleBollinger", {kMax + 1, 1, 2}, kTooLong},
        Rule{"BomarBands", {kMax + 1, 5}, kTooLong},
        Rule{"BomarBands",
             {10, 0},
             "invalid parameter: bomar bands coverage must be a finite value in (0.0, 1.0]"},
        Rule{"BomarBands",
             {10, 1.0000001},
             "invalid parameter: bomar bands coverage must be a finite value in (0.0, 1.0]"},
        Rule{"BomarBands", {10, 1}, "built"},
        // minimum lengths come before the maximum and the multiplier
        Rule{
            "LinRegChannel", {1, 0}, "invalid period: linear regression channel needs period >= 2"},
        Rule{"LinRegChannel", {kMax + 1, 0}, kTooLong}, Rule{"LinRegChannel", {2, 0}, kMultiplier},
        Rule{"StandardErrorBands", {2, 0}, "invalid period: standard error bands need period >= 3"},
        Rule{"StandardErrorBands", {kMax + 1, 0}, kTooLong},
        Rule{"StandardErrorBands", {3, 0}, kMultiplier},
        Rule{"KaseDevStop", {1, 0}, "invalid period: Kase DevStop period must be >= 2"},
        Rule{"KaseDevStop", {kMax + 1, 0}, kTooLong}, Rule{"KaseDevStop", {2, 0}, kMultiplier},
        Rule{"ProjectionBands", {1}, "invalid period: projection bands need period >= 2"},
        Rule{"ProjectionBands", {kMax + 1}, kTooLong},
        Rule{"TtmSqueeze",
             {1, 0, 0},
             "invalid period: TTM squeeze needs period >= 2 for the momentum regression"},
        Rule{"TtmSqueeze", {kMax + 1, 0, 0}, kTooLong},
        Rule{"TtmSqueeze", {20, 0, 1.5}, kMultiplier}, Rule{"TtmSqueeze", {20, 2, 0}, kMultiplier},
        // period only
        Rule{"QuartileBands", {kMax + 1}, kTooLong}, Rule{"Donchian", {kMax + 1}, kTooLong},
        Rule{"FractalChaosBands", {kMax + 1}, kTooLong},
        // the multiplier only
        Rule{"VwapStdDevBands", {0}, kMultiplier}, Rule{"VwapStdDevBands", {-2}, kMultiplier},
        // decoding happens in parameter order before any rule
        Rule{"Keltner", {20, 10}, "missing parameter #2"},
        Rule{"DoubleBollinger", {2.5, 1, 2}, "parameter #0 must be a positive integer, got 2.5"}),
    [](const auto& info) { return std::string(info.param.name) + std::to_string(info.index); });

}  // namespace
}  // namespace tolvex::testing
