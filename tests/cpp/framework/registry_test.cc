// Parameter decoding and row dispatch of the registry, over a fixture table
// so the framework is tested without any indicator family.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "registry.h"

namespace tolvex {
namespace {

// Records what the registry decoded, so tests can see the values.
class Probe final : public IndicatorEvaluator {
 public:
  explicit Probe(std::vector<double> seen) : seen_(std::move(seen)) {}
  std::optional<double> update(const IndicatorInput&) override { return std::nullopt; }
  std::size_t warmup() const override { return 1; }
  std::vector<double> seen_;
};

Result<IndicatorBox, IndicatorError> probe(std::vector<double> seen) {
  return IndicatorBox(std::make_unique<Probe>(std::move(seen)));
}

const IndicatorRow kRows[] = {
    {"Flat", "", [](const Params&) { return probe({}); }},
    {"One", "P", [](const Params& p) { return probe({static_cast<double>(p.usize(0))}); }},
    {"Mixed", "PRIU",
     [](const Params& p) {
       return probe({static_cast<double>(p.usize(0)), p.f64(1), static_cast<double>(p.i32(2)),
                     static_cast<double>(p.u32(3))});
     }},
    {"MacdIndicator", "P",
     [](const Params& p) -> Result<IndicatorBox, IndicatorError> {
       if (p.usize(0) > 100) return err(IndicatorError::invalid_period("too long"));
       return probe({});
     }},
};

std::string error_of(std::string_view name, std::vector<double> params) {
  auto r = build_from(kRows, name, params);
  return r.ok() ? "<built>" : to_string(r.error());
}

std::vector<double> decoded(std::string_view name, std::vector<double> params) {
  auto r = build_from(kRows, name, params);
  if (!r.ok()) return {-999};
  return static_cast<Probe&>(**r).seen_;
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Decoders, RejectionMessages) {
  struct Case {
    std::vector<double> params;
    std::string reason;
  };
  const Case cases[] = {
      {{}, "missing parameter #0"},
      {{5, 1.5, 0}, "missing parameter #3"},
      {{kNan, 1, 1, 1}, "parameter #0 must be finite"},
      {{5, -kInf, 1, 1}, "parameter #1 must be finite"},
      {{0, 1, 1, 1}, "parameter #0 must be a positive integer, got 0"},
      {{-0.0, 1, 1, 1}, "parameter #0 must be a positive integer, got -0"},
      {{-3, 1, 1, 1}, "parameter #0 must be a positive integer, got -3"},
      {{1.0000001, 1, 1, 1}, "parameter #0 must be a positive integer, got 1.0000001"},
      {{5, 1, 2.5, 1}, "parameter #2 must be an i32, got 2.5"},
      {{5, 1, 2147483648.0, 1}, "parameter #2 must be an i32, got 2147483648"},
      {{5, 1, -2147483649.0, 1}, "parameter #2 must be an i32, got -2147483649"},
      {{5, 1, 1, -1}, "parameter #3 must be a u32, got -1"},
      {{5, 1, 1, 4294967296.0}, "parameter #3 must be a u32, got 4294967296"},
      {{5, 1, 1, 0.0000001}, "parameter #3 must be a u32, got 0.0000001"},
      // Beyond 2^53 the value shows its shortest digits padded with zeros,
      // not every digit of the binary value (99999999999999991611392).
      {{5, 1, 1, 1e23}, "parameter #3 must be a u32, got 100000000000000000000000"},
      {{5, 1, 18446744073709551616.0, 1}, "parameter #2 must be an i32, got 18446744073709552000"},
      {{5, 1, 1, -1.5e-300}, "parameter #3 must be a u32, got -0." + std::string(299, '0') + "15"},
      // The first failing position ends decoding; later ones are not read.
      {{0, kNan, 0.5, -1}, "parameter #0 must be a positive integer, got 0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(error_of("Mixed", c.params),
              std::string("invalid parameters for indicator Mixed: ") + c.reason);
}

TEST(Decoders, AcceptedValues) {
  // Integers within machine epsilon of a whole number truncate; the word
  // decoder saturates; the 32-bit decoders take their full ranges.
  EXPECT_EQ(decoded("Mixed", {14.0000000000000002, -1e300, -2147483648.0, 4294967295.0}),
            (std::vector<double>{14, -1e300, -2147483648.0, 4294967295.0}));
  EXPECT_EQ(decoded("Mixed", {1e30, 0, 2147483647.0, -0.0}),
            (std::vector<double>{static_cast<double>(std::numeric_limits<std::size_t>::max()), 0,
                                 2147483647.0, 0}));
  EXPECT_EQ(error_of("One", {14.000000000000004}),
            "invalid parameters for indicator One: parameter #0 must be a positive integer, got "
            "14.000000000000004");
}

TEST(Registry, SurplusParametersAreIgnored) {
  EXPECT_EQ(decoded("One", {14, 99}), std::vector<double>{14});
  EXPECT_EQ(decoded("One", {14, kNan, -1}), std::vector<double>{14});
  EXPECT_TRUE(build_from(kRows, "Flat", std::vector<double>{}).ok());
  EXPECT_TRUE(build_from(kRows, "Flat", std::vector<double>{kNan, 0.5}).ok());
}

TEST(Registry, NamesMatchExactly) {
  for (const char* name : {"one", "One ", " One", "On", "", "MixedX"})
    EXPECT_EQ(error_of(name, {1}), std::string("unknown indicator type: ") + name);
}

TEST(Registry, ConstructorFailuresNameTheType) {
  EXPECT_EQ(error_of("MacdIndicator", {101}),
            "invalid parameters for indicator MacdIndicator: invalid period: too long");
}

TEST(Registry, AliasesResolveToTheLongNames) {
  EXPECT_EQ(resolve_alias("Macd"), "MacdIndicator");
  EXPECT_EQ(resolve_alias("Bollinger"), "BollingerBands");
  for (const char* other : {"macd", "Macd ", "MacdIndicator", "Sma", ""})
    EXPECT_EQ(resolve_alias(other), other);
  // Errors after an alias carry the long name.
  EXPECT_EQ(error_of(resolve_alias("Macd"), {0}),
            "invalid parameters for indicator MacdIndicator: parameter #0 must be a positive "
            "integer, got 0");
}

}  // namespace
}  // namespace tolvex
