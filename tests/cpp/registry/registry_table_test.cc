// The whole registry: every family's rows together, the aliases, and the
// rules that hold across families.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "registry.h"

namespace tolvex {
namespace {

std::vector<double> run(IndicatorEvaluator& e, int steps, std::vector<OutputList>* fields) {
  std::vector<double> out;
  for (int i = 0; i < steps; ++i) {
    double c = 100 + 10 * std::sin(i * 0.3) + i * 0.1;
    Candle bar{i, c, c + 1, c - 1, c, 1000};
    IndicatorInput in{{}, {}, bar, {}, nullptr, nullptr};
    auto v = e.update(in);
    out.push_back(v ? *v : NAN);
    if (v && fields) fields->push_back(e.fields());
  }
  return out;
}

TEST(RegistryTable, NamesAreUniqueAndKindsValid) {
  std::set<std::string_view> seen;
  for (auto rows : registry_families()) {
    for (const IndicatorRow& row : rows) {
      EXPECT_TRUE(seen.insert(row.name).second) << row.name << " is registered twice";
      EXPECT_GE(row.name.size(), 2u) << row.name;
      EXPECT_LE(row.name.size(), 26u) << row.name;
      EXPECT_LE(row.params.size(), kMaxParams) << row.name;
      EXPECT_EQ(row.params.find_first_not_of("PRIU"), std::string_view::npos) << row.name;
    }
  }
  // The aliases are resolved before lookup and have no rows of their own.
  EXPECT_EQ(seen.count("Macd"), 0u);
  EXPECT_EQ(seen.count("Bollinger"), 0u);
}

TEST(RegistryTable, AliasesBehaveLikeTheirLongNames) {
  struct Case {
    std::string_view alias, name;
    std::vector<double> params;
  };
  for (const Case& c :
       {Case{"Macd", "MacdIndicator", {12, 26, 9}}, Case{"Bollinger", "BollingerBands", {20, 2}}}) {
    auto a = build_indicator(c.alias, c.params);
    auto b = build_indicator(c.name, c.params);
    ASSERT_TRUE(a.ok() && b.ok()) << c.alias;
    EXPECT_EQ((*a)->warmup(), (*b)->warmup());
    std::vector<OutputList> fa, fb;
    auto va = run(**a, 80, &fa);
    auto vb = run(**b, 80, &fb);
    ASSERT_EQ(va.size(), vb.size());
    for (size_t i = 0; i < va.size(); ++i) {
      EXPECT_TRUE((std::isnan(va[i]) && std::isnan(vb[i])) || va[i] == vb[i]) << c.alias << i;
    }
    ASSERT_EQ(fa.size(), fb.size());
    ASSERT_FALSE(fa.empty());
    for (size_t i = 0; i < fa.size(); ++i) {
      ASSERT_EQ(fa[i].size(), fb[i].size());
      for (size_t k = 0; k < fa[i].size(); ++k) {
        EXPECT_EQ(fa[i][k].name, fb[i][k].name);
        EXPECT_EQ(fa[i][k].value, fb[i][k].value);
      }
    }
  }
  // Errors of an alias name the long type.
  auto bad = build_indicator("Macd", std::vector<double>{0.5, 26, 9});
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(to_string(bad.error()),
            "invalid parameters for indicator MacdIndicator: parameter #0 must be a positive "
            "integer, got 0.5");
}

TEST(RegistryTable, MacdPublishesItsDocumentedOutputs) {
  auto m = build_indicator("MacdIndicator", std::vector<double>{12, 26, 9});
  ASSERT_TRUE(m.ok());
  EXPECT_EQ((*m)->warmup(), 26u + 9 - 1);
  std::vector<OutputList> fields;
  auto values = run(**m, 40, &fields);
  // The first value arrives exactly at the warm-up step.
  for (size_t i = 0; i + 1 < 34; ++i) EXPECT_TRUE(std::isnan(values[i])) << i;
  EXPECT_FALSE(std::isnan(values[33]));
  ASSERT_EQ(fields.front().size(), 3u);
  EXPECT_EQ(fields.front()[0].name, "macd");
  EXPECT_EQ(fields.front()[1].name, "signal");
  EXPECT_EQ(fields.front()[2].name, "histogram");
  EXPECT_EQ(fields.front()[0].value, values[33]);
}

TEST(RegistryTable, UnknownAndMiscasedNames) {
  for (std::string_view name : {"NoSuchThing", "macd", "Sma ", "", "SMA"}) {
    auto r = build_indicator(name, std::vector<double>{14});
    ASSERT_FALSE(r.ok()) << name;
    EXPECT_EQ(to_string(r.error()), "unknown indicator type: " + std::string(name));
  }
}

}  // namespace
}  // namespace tolvex
