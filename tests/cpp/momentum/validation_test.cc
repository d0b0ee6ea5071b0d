// Construction rules as the registry renders them, in their checking order.
#include "indicators/momentum/adaptive_cci.h"
#include "indicators/momentum/cfo.h"
#include "indicators/momentum/coppock.h"
#include "indicators/momentum/derivative_oscillator.h"
#include "indicators/momentum/inertia.h"
#include "indicators/momentum/kst.h"
#include "indicators/momentum/pmo.h"
#include "indicators/momentum/projection_oscillator.h"
#include "indicators/momentum/rsi.h"
#include "indicators/momentum/tii.h"
#include "momentum/series.h"

namespace tolvex::momentum_test {
namespace {

constexpr std::size_t kMax = 16777216;
constexpr double kLongest = 16777216;
constexpr double kOver = 16777217;
const std::string kZero = "period must be greater than zero";
const std::string kTooLong =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";

struct Rule {
  const char* name;
  std::vector<double> params;
  std::string reason;  // "" when construction must succeed
};

const Rule kRules[] = {
    {"Rsi", {kOver}, kTooLong},
    {"Rsi", {kLongest}, ""},
    {"Rmi", {14}, "missing parameter #1"},
    {"Rmi", {14, kOver}, kTooLong},
    {"LaguerreRsi", {-0.1}, "invalid period: LaguerreRSI gamma must be a finite value in [0, 1]"},
    {"LaguerreRsi", {1.5}, "invalid period: LaguerreRSI gamma must be a finite value in [0, 1]"},
    {"LaguerreRsi", {0}, ""},
    {"LaguerreRsi", {1}, ""},
    {"InverseFisherTransform", {0}, "invalid period: scale must be a positive finite number"},
    {"InverseFisherTransform", {-2}, "invalid period: scale must be a positive finite number"},
    {"InverseFisherTransform", {1e-9}, ""},
    {"Pmo", {1, 5}, "invalid period: PMO smoothing periods must be >= 2"},
    {"Pmo", {5, 1}, "invalid period: PMO smoothing periods must be >= 2"},
    {"Pmo", {2, 2}, ""},
    {"Cfo", {1}, "invalid period: linear regression needs period >= 2"},
    {"Cfo", {kOver}, kTooLong},
    // The projection rule covers zero as well.
    // The decoder refuses a zero before any constructor sees it.
    {"ProjectionOscillator", {0}, "parameter #0 must be a positive integer, got 0"},
    {"ProjectionOscillator", {1}, "invalid period: projection bands need period >= 2"},
    {"ProjectionOscillator", {kOver}, kTooLong},
    {"AdaptiveCci", {1}, "invalid period: adaptive CCI needs period >= 2"},
    {"AdaptiveCci", {kOver}, kTooLong},
    // The index's own rules, then the line's.
    {"Inertia", {1, 5}, "invalid period: RVI period must be >= 2"},
    {"Inertia", {kOver, 1}, kTooLong},
    {"Inertia", {5, 1}, "invalid period: linear regression needs period >= 2"},
    {"Inertia", {5, kOver}, kTooLong},
    {"Coppock", {5, 5, kOver}, kTooLong},
    {"Kst", {1, 1, 1, 1, 1, 1, 1, 1, kOver}, kTooLong},
    {"Kst", {1, 1, 1, 1, 1, 1, 1, 1}, "missing parameter #8"},
    {"DerivativeOscillator", {1, 1, kOver, 1}, kTooLong},
    {"Tii", {kOver, 5}, kTooLong},
    // The deviation window is unbounded, but storage that cannot be had is
    // refused with an error instead of aborting.
    {"Tii", {5, 1e17}, "invalid period: window length is too large to allocate"},
    {"ConnorsRsi", {3, 2, kOver}, kTooLong},
    {"DynamicMomentumIndex", {kOver}, kTooLong},
    {"FisherTransform", {kOver}, kTooLong},
};

TEST(MomentumValidation, RulesAndMessages) {
  for (const Rule& r : kRules) {
    std::string want = r.reason.empty() ? "<built>"
                                        : "invalid parameters for indicator " +
                                              std::string(r.name) + ": " + r.reason;
    EXPECT_EQ(build_error(r.name, r.params), want) << r.name;
  }
}

// Zero lengths never get past the decoder, so their place in the checking
// order is visible only through the constructors themselves.
TEST(MomentumValidation, ZeroLengthsComeFirst) {
  auto text = [](const auto& r) { return r.ok() ? std::string("<built>") : to_string(r.error()); };
  EXPECT_EQ(text(Rsi::create(0)), kZero);
  EXPECT_EQ(text(Pmo::create(1, 0)), kZero);
  EXPECT_EQ(text(Pmo::create(0, 1)), kZero);
  EXPECT_EQ(text(Cfo::create(0)), kZero);
  EXPECT_EQ(text(AdaptiveCci::create(0)), kZero);
  EXPECT_EQ(text(ProjectionOscillator::create(0)),
            "invalid period: projection bands need period >= 2");
  EXPECT_EQ(text(Inertia::create(1, 0)), kZero);
  EXPECT_EQ(text(Coppock::create(kMax + 1, 5, 0)), kZero);
  Kst::Periods kst{kMax + 1, 1, 1, 1, 1, 1, 1, 1, 0};
  EXPECT_EQ(text(Kst::create(kst)), kZero);
  EXPECT_EQ(text(DerivativeOscillator::create(kMax + 1, 1, 1, 0)), kZero);
  EXPECT_EQ(text(Tii::create(kMax + 1, 0)), kZero);
}

}  // namespace
}  // namespace tolvex::momentum_test
