// Parameter rules of the volatility types, in their checking order, as the
// registry renders them.
#include <gtest/gtest.h>

#include <limits>

#include "indicators/volatility/garch11.h"
#include "indicators/volatility/historical_volatility.h"
#include "indicators/volatility/jump_indicator.h"
#include "indicators/volatility/mass_index.h"
#include "indicators/volatility/parkinson_volatility.h"
#include "indicators/volatility/volatility_cone.h"
#include "indicators/volatility/yang_zhang_volatility.h"
#include "series.h"

namespace tolvex::testing {
namespace {

constexpr const char* kMax =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";
constexpr const char* kStorage = "invalid period: window length is too large to allocate";

struct Rule {
  const char* name;
  std::vector<double> params;
  const char* reason;  // "" when the parameters are accepted
};

const Rule kRules[] = {
    {"HistoricalVolatility", {1, 252}, "invalid period: historical volatility period must be >= 2"},
    {"HistoricalVolatility", {16777217, 252}, kMax},
    {"HistoricalVolatility", {2, 1e12}, ""},
    {"YangZhangVolatility", {1, 252}, "invalid period: Yang-Zhang period must be >= 2"},
    {"YangZhangVolatility", {16777217, 252}, kMax},
    {"BipowerVariation", {1}, "invalid period: bipower variation period must be >= 2"},
    {"BipowerVariation", {16777217}, kMax},
    {"RviVolatility", {1}, "invalid period: RVI period must be >= 2"},
    {"RviVolatility", {16777217}, kMax},
    {"RealizedVolatility", {16777217}, kMax},
    {"VolatilityRatio", {16777217}, kMax},
    {"AverageDailyRange", {16777217, 0}, kMax},
    {"AverageDailyRange", {1, -2147483648.0}, ""},
    {"ChaikinVolatility", {16777217, 1}, kMax},
    {"ChaikinVolatility", {1, 16777217}, kMax},
    {"JumpIndicator", {1, -1}, "invalid period: jump indicator needs period >= 2"},
    {"JumpIndicator", {16777217, -1}, kMax},
    {"JumpIndicator",
     {2, 0},
     "invalid parameter: jump indicator threshold must be finite and positive"},
    {"VolatilityCone",
     {1, 5},
     "invalid period: volatility cone window and lookback must both be >= 2"},
    {"VolatilityCone",
     {5, 1},
     "invalid period: volatility cone window and lookback must both be >= 2"},
    {"VolatilityOfVolatility", {5, 1}, "invalid period: vol-of-vol windows must both be >= 2"},
    {"VolatilityOfVolatility", {1, 5}, "invalid period: vol-of-vol windows must both be >= 2"},
    {"EwmaVolatility",
     {0},
     "invalid parameter: EWMA volatility lambda must be in the open interval (0, 1)"},
    {"EwmaVolatility",
     {1},
     "invalid parameter: EWMA volatility lambda must be in the open interval (0, 1)"},
    {"EwmaVolatility", {0.999999}, ""},
    {"Garch11", {-1, -1, 2}, "invalid parameter: GARCH(1,1) omega must be > 0"},
    {"Garch11", {1e-6, -0.1, 2}, "invalid parameter: GARCH(1,1) alpha and beta must be >= 0"},
    {"Garch11", {1e-6, 0.1, -0.1}, "invalid parameter: GARCH(1,1) alpha and beta must be >= 0"},
    {"Garch11",
     {1e-6, 0.5, 0.5},
     "invalid parameter: GARCH(1,1) requires alpha + beta < 1 (covariance stationarity)"},
    {"Garch11", {1e-6, 0, 0}, ""},
    {"MassIndex", {16777217, 1e15}, kMax},
    // Lengths without a fixed bound are refused only when they cannot be
    // stored, and never abort the process.
    {"MassIndex", {2, 1e15}, kStorage},
    {"ParkinsonVolatility", {1e15, 252}, kStorage},
    {"GarmanKlassVolatility", {1e15, 252}, kStorage},
    {"RogersSatchellVolatility", {1e15, 252}, kStorage},
    {"VolatilityCone", {2, 1e15}, kStorage},
    {"VolatilityOfVolatility", {1e300, 2}, kStorage},
    {"ParkinsonVolatility", {1, 1e15}, ""},
};

TEST(Validation, RegistryRenderedRules) {
  for (const Rule& r : kRules) {
    std::string want = *r.reason == '\0' ? std::string()
                                         : std::string("invalid parameters for indicator ") +
                                               r.name + ": " + r.reason;
    EXPECT_EQ(build_error(r.name, r.params), want) << r.name << " " << r.params[0];
  }
}

// Zero lengths and non-finite reals never get past the registry's decoders;
// types embedding these ones call the factories directly.
TEST(Validation, FactoryRulesBehindTheDecoders) {
  auto text = [](const auto& result) { return to_string(result.error()); };
  const std::string zero = "period must be greater than zero";
  EXPECT_EQ(text(HistoricalVolatility::create(3, 0)), zero);
  EXPECT_EQ(text(HistoricalVolatility::create(0, 252)), zero);
  EXPECT_EQ(text(YangZhangVolatility::create(1, 0)), zero);
  EXPECT_EQ(text(ParkinsonVolatility::create(3, 0)), zero);
  EXPECT_EQ(text(MassIndex::create(1, 0)), zero);
  EXPECT_EQ(text(VolatilityCone::create(1, 0)), zero);
  EXPECT_EQ(text(JumpIndicator::create(0, 1)), "invalid period: jump indicator needs period >= 2");
  double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(text(Garch11::create(-1, nan, 0.5)),
            "invalid parameter: GARCH(1,1) parameters must be finite");
  EXPECT_EQ(text(JumpIndicator::create(3, std::numeric_limits<double>::infinity())),
            "invalid parameter: jump indicator threshold must be finite and positive");
}

}  // namespace
}  // namespace tolvex::testing
