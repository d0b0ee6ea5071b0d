// Construction rules as the registry renders them: which rule fires first
// when several are broken, the exact texts, and the limits that still build.
#include <string>
#include <vector>

#include "indicators/oscillators/elder_impulse.h"
#include "indicators/oscillators/kase_permission_stochastic.h"
#include "indicators/oscillators/macd_indicator.h"
#include "indicators/oscillators/ppo_histogram.h"
#include "indicators/oscillators/qqe.h"
#include "indicators/oscillators/smi.h"
#include "indicators/oscillators/stc.h"
#include "indicators/oscillators/stoch_rsi.h"
#include "indicators/oscillators/wave_trend.h"
#include "oscillators/series.h"

namespace tolvex::test {
namespace {

constexpr double kOver = 16777217;  // MAX_PERIOD + 1
const std::string kZero = "period must be greater than zero";
const std::string kMax =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";
// Lengths without a limit of their own fail only when their storage cannot
// be had (1e15 windows of doubles are petabytes).
const std::string kStorage = "invalid period: window length is too large to allocate";

std::string invalid(const std::string& name, const std::string& reason) {
  return "invalid parameters for indicator " + name + ": " + reason;
}

struct RuleCase {
  const char* name;
  std::vector<double> params;
  std::string reason;
};

TEST(Validation, RulesInTheirOrder) {
  const std::string macd_rel = "invalid period: fast period must be strictly less than slow period";
  const std::string ao_rel = "invalid period: AO fast period must be strictly less than slow";
  const std::string stc_rel = "invalid period: STC fast period must be strictly less than slow";
  const std::string stc_factor = "invalid period: STC factor must be a finite value in (0, 1]";
  const std::string qqe_factor = "invalid period: QQE factor must be a finite positive value";
  const RuleCase cases[] = {
      // The fast/slow relation comes before the window limit.
      {"MacdIndicator", {26, 26, 9}, macd_rel},
      {"MacdIndicator", {kOver + 1, kOver, 9}, macd_rel},
      {"MacdIndicator", {12, kOver, 9}, kMax},
      {"MacdIndicator", {12, 26, kOver}, kMax},
      {"VolumeWeightedMacd", {8, 3, 4}, macd_rel},
      // The EMA period is checked before the MACD periods.
      {"ElderImpulse", {kOver, 26, 12, 9}, kMax},
      {"ElderImpulse", {13, 26, 12, 9}, macd_rel},
      {"MacdHistogram", {12, kOver, 9}, kMax},
      {"MacdFix", {kOver}, kMax},
      {"ZeroLagMacd",
       {9, 4, 3},
       "invalid period: ZeroLagMACD fast period must be strictly less than slow"},
      {"ZeroLagMacd", {4, kOver, 3}, kMax},
      {"Apo", {5, 5}, "invalid period: APO fast period must be strictly less than slow"},
      {"Ppo", {5, 3}, "invalid period: PPO fast period must be < slow period"},
      {"Ppo", {5, kOver}, kMax},
      // PpoHistogram settles its signal period before the other two.
      {"PpoHistogram", {5, 3, kOver}, kMax},
      {"PpoHistogram", {5, 3, 9}, "invalid period: PPO fast period must be < slow period"},
      {"AwesomeOscillator", {34, 5}, ao_rel},
      {"AwesomeOscillatorHistogram", {5, 34, kOver}, kMax},
      {"AcceleratorOscillator", {5, 5, 5}, ao_rel},
      {"Stochastic", {kOver, 3}, kMax},
      {"WilliamsR", {kOver}, kMax},
      {"StochRsi", {kOver, 14}, kMax},
      {"StochRsi", {14, 1e15}, kStorage},
      {"StochRsi", {kOver, 1e15}, kMax},  // the RSI rules first
      {"Smi", {10, kOver, 3}, kMax},
      {"Smi", {1e15, 3, 3}, kStorage},
      {"Smi", {1e15, kOver, 3}, kMax},  // the smoothing limits first
      {"Stc", {50, 23, 10, 2}, stc_rel},
      {"Stc", {23, kOver, 10, 2}, stc_factor},
      {"Stc", {23, 50, 10, 0}, stc_factor},
      {"Stc", {23, 50, 10, 1.5}, stc_factor},
      {"Stc", {23, kOver, 10, 0.5}, kMax},
      {"Stc", {23, 50, 1e15, 0.5}, kStorage},
      {"Stc", {23, kOver, 1e15, 0.5}, kMax},
      {"Qqe", {14, 5, 0}, qqe_factor},
      {"Qqe", {kOver, 5, -1}, qqe_factor},
      {"Qqe", {kOver, 5, 4.236}, kMax},
      {"Qqe", {14, kOver, 4.236}, kMax},
      // w = 2n - 1 reaches the limit from n = 8388609 on.
      {"Qqe", {8388609, 5, 4.236}, kMax},
      {"WaveTrend", {10, 21, kOver}, kMax},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(build_error(c.name, c.params), invalid(c.name, c.reason));
  }
}

template <class T>
std::string failure(const Result<T, IndicatorError>& r) {
  return r.ok() ? "<built>" : to_string(r.error());
}

TEST(Validation, ZeroPeriodsAgainstTheOtherRules) {
  // The registry's decoder rejects 0 before any constructor runs, so the
  // place of the zero rule among the others is checked on the types.
  constexpr std::size_t kBig = 16777217;
  struct ZeroCase {
    const char* what;
    std::string got;
    std::string want;
  };
  const ZeroCase cases[] = {
      // Zero before the fast/slow relation.
      {"MacdIndicator", failure(MacdIndicator::create(30, 26, 0)), kZero},
      {"Stc", failure(Stc::create(50, 23, 0, 0.5)), kZero},
      // The EMA period's limit before the MACD periods' zero rule.
      {"ElderImpulse", failure(ElderImpulse::create(kBig, 26, 12, 0)), kMax},
      {"PpoHistogram", failure(PpoHistogram::create(0, 0, kBig)), kMax},
      // Zero tests on every period before any limit.
      {"StochRsi", failure(StochRsi::create(kBig, 0)), kZero},
      {"Smi", failure(Smi::create(kBig, 3, 0)), kZero},
      {"WaveTrend", failure(WaveTrend::create(kBig, 0, 4)), kZero},
      // Kase checks n in full, then s.
      {"KasePermissionStochastic", failure(KasePermissionStochastic::create(kBig, 0)), kMax},
      // Zero before the factor rule.
      {"Qqe", failure(Qqe::create(0, 5, -1)), kZero},
  };
  for (const ZeroCase& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(Validation, LimitsThatStillBuild) {
  const RuleCase cases[] = {
      {"MacdIndicator", {1, 16777216, 16777216}, ""},
      {"MacdHistogram", {26, 12, 9}, ""},  // no fast/slow rule of its own
      {"Apo", {16777215, 16777216}, ""},
      {"Stc", {23, 50, 10, 1}, ""},
      {"Qqe", {8388608, 5, 1e-300}, ""},
      // The stochastic window of StochRsi has no limit of its own.
      {"StochRsi", {14, kOver}, ""},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(build_error(c.name, c.params), "<built>");
  }
}

TEST(Validation, MacdAliasBuildsTheLongType) {
  // The alias resolves before lookup, and errors name the long type.
  std::string_view name = resolve_alias("Macd");
  EXPECT_EQ(name, "MacdIndicator");
  EXPECT_EQ(build_error(name, {26, 12, 9}),
            invalid("MacdIndicator",
                    "invalid period: fast period must be strictly less than slow period"));
  EXPECT_EQ(build_error("Macd", {12, 26, 9}), "unknown indicator type: Macd");  // no row of its own
}

}  // namespace
}  // namespace tolvex::test
