// Parameter rules of every type, as the registry renders them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "indicators/statistics/autocorrelation.h"
#include "indicators/statistics/jarque_bera.h"
#include "indicators/statistics/rolling_min_max_scaler.h"
#include "indicators/statistics/sample_entropy.h"
#include "indicators/statistics/shannon_entropy.h"
#include "indicators/statistics/skewness.h"

namespace tolvex::stats_test {
namespace {

const std::string kMax =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";
constexpr double kTooLong = 16777217;

TEST(StatisticsValidation, RegistryMessages) {
  struct Case {
    const char* name;
    std::vector<double> params;
    std::string reason;  // "ok" when the request builds
  };
  const std::vector<Case> kCases{
      {"Variance", {kTooLong}, kMax},
      {"StdDev", {kTooLong}, kMax},
      {"MidPrice", {kTooLong}, kMax},
      {"LogReturn", {kTooLong}, kMax},
      {"Skewness", {2}, "invalid period: skewness needs period >= 3"},
      {"Skewness", {kTooLong}, kMax},
      {"Kurtosis", {3}, "invalid period: kurtosis needs period >= 4"},
      {"JarqueBera", {3}, "invalid period: Jarque-Bera needs period >= 4"},
      {"JarqueBera", {kTooLong}, kMax},
      {"RollingQuantile", {kTooLong, 2}, kMax},
      {"RollingQuantile",
       {5, 1.5},
       "invalid parameter: rolling quantile must be a finite value in [0.0, 1.0]"},
      {"RollingQuantile",
       {5, -0.1},
       "invalid parameter: rolling quantile must be a finite value in [0.0, 1.0]"},
      {"RollingQuantile", {5, 1}, "ok"},
      {"RollingQuantile", {5, 0}, "ok"},
      {"RollingMinMaxScaler", {1}, "invalid period: min-max scaler needs period >= 2"},
      {"LinRegSlope", {1}, "invalid period: linear regression slope needs period >= 2"},
      {"LinRegAngle", {1}, "invalid period: linear regression slope needs period >= 2"},
      {"LinRegIntercept", {1}, "invalid period: linear regression intercept needs period >= 2"},
      {"LinearRegression", {1}, "invalid period: linear regression needs period >= 2"},
      {"LinearRegression", {kTooLong}, kMax},
      {"Tsf", {1}, "invalid period: time series forecast needs period >= 2"},
      {"TsfOscillator", {1}, "invalid period: TSF oscillator needs period >= 2"},
      {"RSquared", {1}, "invalid period: R\u00b2 needs period >= 2"},
      {"DetrendedStdDev", {1}, "invalid period: detrended stddev needs period >= 2"},
      {"StandardError", {2}, "invalid period: standard error needs period >= 3"},
      {"KRatio", {2}, "invalid period: k-ratio needs period >= 3"},
      {"TrendLabel", {1}, "invalid period: trend label needs period >= 2"},
      {"TrendLabel", {2}, "ok"},
      {"Autocorrelation", {5, 5}, "invalid period: autocorrelation needs period > lag"},
      {"Autocorrelation", {5, 4}, "ok"},
      {"HurstExponent", {10, 1}, "invalid period: Hurst chunks must be >= 2"},
      {"HurstExponent", {100, kTooLong}, kMax},
      {"HurstExponent", {7, 4}, "invalid period: Hurst period must be >= 2 * chunks"},
      {"HurstExponent", {8, 4}, "ok"},
      {"VarianceRatio", {10, 1}, "invalid period: variance ratio needs q >= 2"},
      {"VarianceRatio", {10, kTooLong}, kMax},
      {"VarianceRatio", {4, 3}, "invalid period: variance ratio needs period >= q + 2"},
      {"VarianceRatio", {5, 3}, "ok"},
      {"SampleEntropy", {3, 2, 0}, "invalid period: sample entropy needs period >= m + 2"},
      {"SampleEntropy",
       {4, 2, 0},
       "invalid parameter: sample entropy r_factor must be finite and positive"},
      {"SampleEntropy",
       {4, 2, -1},
       "invalid parameter: sample entropy r_factor must be finite and positive"},
      {"SampleEntropy", {4, 2, 0.2}, "ok"},
      {"ShannonEntropy", {10, 1}, "invalid period: Shannon entropy needs bins >= 2"},
      {"ShannonEntropy", {10, kTooLong}, kMax},
      {"RegimeLabel", {1, 1}, "invalid period: regime label needs vol_period >= 2"},
      {"RegimeLabel", {kTooLong, 5}, kMax},
      {"RegimeLabel", {5, 1}, "invalid period: regime label needs lookback >= 2"},
      {"RegimeLabel", {5, kTooLong}, kMax},
      {"SeasonalZScore", {-2147483648.0}, "ok"},
      {"SeasonalZScore", {1.5}, "parameter #0 must be an i32, got 1.5"},
  };
  for (const Case& c : kCases) {
    std::string want = c.reason == "ok" ? c.reason
                                        : "invalid parameters for indicator " +
                                              std::string(c.name) + ": " + c.reason;
    EXPECT_EQ(build_error(c.name, c.params), want) << c.name;
  }
}

// The unbounded window lengths are refused, not allocated, when no memory
// could hold them.
TEST(StatisticsValidation, UnallocatableWindowsAreRefused) {
  constexpr double kHuge = 4611686018427387904.0;  // 2^62 values
  const std::string kReason = "invalid period: window length is too large to allocate";
  EXPECT_EQ(build_error("Autocorrelation", {kHuge, 1}),
            "invalid parameters for indicator Autocorrelation: " + kReason);
  EXPECT_EQ(build_error("HurstExponent", {kHuge, 2}),
            "invalid parameters for indicator HurstExponent: " + kReason);
  EXPECT_EQ(build_error("VarianceRatio", {kHuge, 2}),
            "invalid parameters for indicator VarianceRatio: " + kReason);
  EXPECT_EQ(build_error("SampleEntropy", {kHuge, 2, 0.2}),
            "invalid parameters for indicator SampleEntropy: " + kReason);
  EXPECT_EQ(build_error("ShannonEntropy", {kHuge, 2}),
            "invalid parameters for indicator ShannonEntropy: " + kReason);
}

// Zero lengths cannot pass the registry's positive-integer decoder, so the
// constructors' own zero rules are checked directly.
TEST(StatisticsValidation, ZeroLengthsAtTheConstructor) {
  auto text = [](const auto& r) { return r.ok() ? std::string("ok") : to_string(r.error()); };
  const std::string kZero = "period must be greater than zero";
  EXPECT_EQ(text(JarqueBera::create(0)), kZero);
  EXPECT_EQ(text(RollingMinMaxScaler::create(0)), kZero);
  EXPECT_EQ(text(Skewness::create(0)), "invalid period: skewness needs period >= 3");
  EXPECT_EQ(text(Autocorrelation::create(0, 1)),
            "invalid period: autocorrelation needs period > lag");
  EXPECT_EQ(text(Autocorrelation::create(0, 0)),
            "invalid period: autocorrelation lag must be >= 1");
  EXPECT_EQ(text(Autocorrelation::create(5, 0)),
            "invalid period: autocorrelation lag must be >= 1");
  EXPECT_EQ(text(SampleEntropy::create(0, 2, 0.2)), kZero);
  EXPECT_EQ(text(SampleEntropy::create(5, 0, 0.2)), kZero);
  EXPECT_EQ(text(SampleEntropy::create(1, 1, 0.2)),
            "invalid period: sample entropy needs period >= m + 2");
  EXPECT_EQ(text(SampleEntropy::create(5, 2, NAN)),
            "invalid parameter: sample entropy r_factor must be finite and positive");
  EXPECT_EQ(text(ShannonEntropy::create(0, 4)), kZero);
  EXPECT_EQ(text(ShannonEntropy::create(5, 0)), kZero);
}

}  // namespace
}  // namespace tolvex::stats_test
