// Parameter rules of every type, as the registry renders them.
#include "indicators/moving_averages/ma_envelope.h"
#include "moving_averages/series.h"

namespace tolvex::test {
namespace {

struct Rejected {
  const char* name;
  std::initializer_list<double> params;
  const char* reason;  // after "invalid parameters for indicator <name>: "
};

constexpr const char* kMaxLen =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";

const Rejected kRejected[] = {
    {"Sma", {}, "missing parameter #0"},
    {"Sma", {0}, "parameter #0 must be a positive integer, got 0"},
    {"Sma", {2.5}, "parameter #0 must be a positive integer, got 2.5"},
    {"Sma",
     {14.000000000000004},
     "parameter #0 must be a positive integer, got 14.000000000000004"},
    {"Sma", {16777217}, kMaxLen},
    // A value within epsilon of 0 decodes to 0 and reaches the constructor's
    // own zero check; a plain 0 is already refused by the decoder.
    {"Ema", {0.0000000000000001}, "period must be greater than zero"},
    {"Alma", {9, 0.85}, "missing parameter #2"},
    {"Alma", {1e-17, 2, 0}, "period must be greater than zero"},
    {"Alma", {9, 1.5, 0}, "invalid period: ALMA offset must be a finite value in [0, 1]"},
    {"Alma", {9, -0.1, 6}, "invalid period: ALMA offset must be a finite value in [0, 1]"},
    {"Alma", {9, 0.85, 0}, "invalid period: ALMA sigma must be a finite positive value"},
    {"Fama",
     {0.05, 0.5},
     "invalid period: fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1"},
    {"Mama",
     {1.5, 0.05},
     "invalid period: fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1"},
    {"Mama",
     {0.5, 0},
     "invalid period: fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1"},
    {"Frama", {1}, "invalid period: FRAMA period must be at least 2"},
    {"Frama", {7}, "invalid period: FRAMA period must be even"},
    {"Frama", {16777218}, kMaxLen},
    {"GeneralizedDema",
     {5, 1.5},
     "invalid period: GD volume factor must be a finite value in [0.0, 1.0]"},
    {"GeneralizedDema", {1e-17, 1.5}, "period must be greater than zero"},
    {"T3", {5, -0.1}, "invalid period: T3 volume factor must be a finite value in [0.0, 1.0]"},
    {"HoltWinters", {0, 0.5}, "invalid period: HoltWinters alpha must be in (0.0, 1.0]"},
    {"HoltWinters", {1.5, 0}, "invalid period: HoltWinters alpha must be in (0.0, 1.0]"},
    {"HoltWinters", {0.5, 0}, "invalid period: HoltWinters beta must be in (0.0, 1.0]"},
    {"Jma", {5, 0, 0}, "invalid period: JMA power must be in 1..=4"},
    {"Jma", {5, 0, 5}, "invalid period: JMA power must be in 1..=4"},
    {"Jma", {5, 0, 4294967296}, "parameter #2 must be a u32, got 4294967296"},
    {"Jma", {5, 0, -1}, "parameter #2 must be a u32, got -1"},
    {"Kama", {10, 1e-17, 30}, "period must be greater than zero"},
    {"Kama", {10, 30, 30}, "invalid period: KAMA fast period must be strictly less than slow"},
    // The window holds n + 1 closes, so an absurd n must fail, not allocate.
    {"Kama", {16777217, 2, 30}, kMaxLen},
    {"MaEnvelope", {1e-17, 0}, "multiplier must be greater than zero"},
    {"MaEnvelope", {14, -0.1}, "multiplier must be greater than zero"},
    {"MaEnvelope", {1e-17, 0.1}, "period must be greater than zero"},
    {"TdMovingAverage",
     {5, 5},
     "invalid period: TD moving average ST1 period must be strictly less than ST2"},
    {"TdMovingAverage", {16777217, 16777218}, kMaxLen},
    {"TdMovingAverage", {3, 16777217}, kMaxLen},
    {"Vidya", {1e-17, 5}, "period must be greater than zero"},
    {"Vidya", {5, 16777217}, kMaxLen},
};

TEST(Validation, RejectedParameters) {
  for (const Rejected& r : kRejected) {
    std::string want = std::string("invalid parameters for indicator ") + r.name + ": " + r.reason;
    EXPECT_EQ(build_error(r.name, r.params), want);
  }
}

TEST(Validation, AcceptedEdges) {
  // Vidya's smoothing length is only a rate and is not held to the window
  // limit; Ema accepts a period that rounds to an integer within epsilon.
  EXPECT_TRUE(build("Vidya", {1e9, 5}));
  EXPECT_TRUE(build("Sma", {14.0000000000000002}));
  EXPECT_TRUE(build("Alma", {9, 0, 1e-300}));
  EXPECT_TRUE(build("Mama", {0.5, 0.5}));
  EXPECT_TRUE(build("HoltWinters", {1, 1}));
  EXPECT_TRUE(build("Jma", {1, -1e300, 4}));
}

TEST(Validation, EnvelopeWidthIsCheckedBeforeThePeriod) {
  auto r = MaEnvelope::create(0, 0);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(to_string(r.error()), "multiplier must be greater than zero");
}

TEST(Validation, NamesAreExact) {
  EXPECT_EQ(build_error("sma", {14}), "unknown indicator type: sma");
  EXPECT_EQ(build_error("Sma ", {14}), "unknown indicator type: Sma ");
}

}  // namespace
}  // namespace tolvex::test
