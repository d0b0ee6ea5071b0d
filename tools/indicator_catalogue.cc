// Writes the indicator catalogue (docs/indicators.md) from the registry
// rows, so that the reference lists exactly the registered types.
//
// Usage: indicator_catalogue [OUTPUT.md]   (no argument: standard output)
//
// Each type is built with its typical parameters (bench/params/*.inc; a
// type missing there gets defaults by parameter kind) and fed a fixed
// generated series with every side feed present, which is how its output
// names are learned: `fields()` is only filled once a value exists. Only
// names, kinds, feeds and warm-ups are printed, never computed values, so
// the text does not depend on the compiler's floating-point results.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "number_text.h"
#include "registry.h"
#include "sample_market.h"
#include "scan/feed_kind.h"

namespace {

using tolvex::IndicatorRow;

// A family is recognised by one of its members, so the headings survive a
// change of the family order; a family not listed here still appears,
// under a numbered heading.
struct FamilyTitle {
  std::string_view member;
  std::string_view title;
};

constexpr FamilyTitle kFamilyTitles[] = {
    {"Sma", "Moving averages and smoothers"},
    {"Atr", "Volatility estimators"},
    {"StdDev", "Rolling statistics and regression"},
    {"BollingerBands", "Bands and channels"},
    {"Rsi", "Momentum oscillators"},
    {"Stochastic", "Moving-average and stochastic oscillators"},
    {"Adx", "Trend, directional movement and trailing stops"},
    {"SharpeRatio", "Performance and risk measures"},
    {"Obv", "Volume and money flow"},
    {"PivotPoints", "Profiles, pivots and price levels"},
    {"Doji", "Candlestick patterns and bar transforms"},
    {"TdSequential", "DeMark indicators"},
    {"Beta", "Pairs and relative value"},
    {"Microprice", "Order book and trade microstructure"},
    {"FundingRate", "Derivatives market indicators"},
    {"AdvanceDecline", "Cross-section and breadth indicators"},
};

constexpr std::size_t kMinBars = 2000;
// One sample market: a random walk of daily bars with every side feed.
tolvex::sample::Shape daily_market() {
  tolvex::sample::Shape shape;
  shape.seed = 7;
  shape.first_time = 1704067200000;  // 2024-01-01 in milliseconds
  shape.bar_ms = 86400000;
  shape.step = 0.04;
  shape.wick = 0.01;
  shape.ref_step = 0.03;
  shape.pool = 64;
  shape.stamp_records = false;
  return shape;
}

// Parameter lists to try, best first: the benchmark's typical values, then
// defaults by kind (the benchmark's own fallback), then rising periods
// (many types need fast < slow) with a large and a small real.
std::vector<std::vector<double>> candidates(const IndicatorRow& row) {
  if (const std::vector<double>* p = tolvex::sample::typical_params(row)) return {*p};
  std::vector<std::vector<double>> out(3);
  double period = 5;
  for (char kind : row.params) {
    out[0].push_back(kind == 'P' ? 14 : kind == 'R' ? 2 : 1);
    out[1].push_back(kind == 'P' ? period : kind == 'R' ? 2 : 1);
    out[2].push_back(kind == 'P' ? period : kind == 'R' ? 0.5 : 1);
    if (kind == 'P') period *= 2;
  }
  return out;
}

// The number as it reads in an expression label: integral values without
// a fraction, others in plain decimal.
std::string label_number(double v) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 9.2e18)
    return std::to_string(static_cast<int64_t>(v));
  return tolvex::plain_decimal(v);
}

std::string kinds_text(std::string_view kinds) {
  if (kinds.empty()) return "none";
  std::string s;
  for (char c : kinds) {
    if (!s.empty()) s += ' ';
    s += c;
  }
  return s;
}

std::string feed_text(std::string_view name) {
  auto kind = tolvex::screener::feed_kind_of(name);
  return kind ? std::string(tolvex::screener::feed_text(*kind)) : std::string("candles");
}

struct Entry {
  std::string name, kinds, example, outputs, warmup, feed;
};

Entry describe(const IndicatorRow& row, tolvex::sample::Market& sample) {
  Entry e;
  e.name = std::string(row.name);
  e.kinds = kinds_text(row.params);
  e.feed = feed_text(row.name);
  std::vector<std::vector<double>> tries = candidates(row);
  std::vector<double> params = tries.front();
  auto built = tolvex::build_from_row(row, params);
  for (std::size_t t = 1; t < tries.size() && !built; ++t) {
    auto again = tolvex::build_from_row(row, tries[t]);
    if (again) {
      params = tries[t];
      built = std::move(again);
    }
  }
  e.example = std::string(1, '`');
  e.example += e.name;
  e.example += '(';
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (i) e.example += ',';
    e.example += label_number(params[i]);
  }
  e.example += ")`";
  if (!built) {
    e.example += " (rejected: ";
    e.example += tolvex::to_string(built.error());
    e.example += ')';
    e.outputs = std::string(1, '?');
    e.warmup = std::string(1, '?');
    return e;
  }
  tolvex::IndicatorEvaluator& ev = **built;
  std::size_t warmup = ev.warmup();
  e.warmup = std::to_string(warmup);
  std::size_t bars = std::max(kMinBars, warmup * 3 + 100);
  sample.grow(bars);
  bool any_value = false;
  for (std::size_t i = 0; i < bars; ++i) {
    if (!ev.update(sample.full(i))) continue;
    any_value = true;
    tolvex::OutputList fields = ev.fields();
    if (fields.empty()) continue;
    for (std::size_t k = 0; k < fields.size(); ++k) {
      if (k) e.outputs += ", ";
      e.outputs += '`';
      e.outputs += fields[k].name;
      e.outputs += '`';
    }
    return e;
  }
  e.outputs = any_value ? "value" : "value (none on the sample series)";
  return e;
}

std::string title_of(std::span<const IndicatorRow> rows, std::size_t index) {
  for (const FamilyTitle& t : kFamilyTitles)
    for (const IndicatorRow& row : rows)
      if (row.name == t.member) return std::string(t.title);
  std::string numbered = "Family ";
  numbered += std::to_string(index + 1);
  return numbered;
}

}  // namespace

int main(int argc, char** argv) {
  std::FILE* out = stdout;
  if (argc > 2) {
    std::fprintf(stderr, "usage: %s [OUTPUT.md]\n", argv[0]);
    return 2;
  }
  if (argc == 2 && !(out = std::fopen(argv[1], "w"))) {
    std::perror(argv[1]);
    return 1;
  }
  tolvex::sample::Market sample(daily_market());
  std::size_t types = 0;
  auto families = tolvex::registry_families();
  for (auto rows : families) types += rows.size();

  std::fprintf(
      out,
      "# Indicator catalogue\n\n"
      "<!-- Generated by tools/indicator_catalogue from the indicator registry; do not "
      "edit.\n     Regenerate: cmake --build <build> --target update_catalogue -->\n\n"
      "%zu indicator types in %zu families. Each one stands in a specification as an "
      "expression\n`{\"kind\": \"indicator\", \"name\": ..., \"params\": [...], \"field\": "
      "...}` (see [the specification\nreference](specification.md#indicators)).\n\n"
      "- **Parameters**: one letter per position of `params`: `P` positive integer, `R` "
      "finite real,\n  `I` 32-bit signed integer, `U` 32-bit unsigned integer. Extra "
      "parameters are ignored.\n"
      "- **Example**: typical parameters, written as the expression's label.\n"
      "- **Outputs**: `value` for a single-valued type; otherwise the names usable as "
      "`field`,\n  the first being the value without a `field`.\n"
      "- **Warm-up**: bars of clean input before the first value, with the example's "
      "parameters.\n"
      "- **Feed**: the side data the type reads besides the candles (see the "
      "specification\n  reference's data documents).\n",
      types, families.size());
  for (std::size_t f = 0; f < families.size(); ++f) {
    std::vector<Entry> entries;
    for (const IndicatorRow& row : families[f]) entries.push_back(describe(row, sample));
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    std::fprintf(out, "\n## %s\n\n", title_of(families[f], f).c_str());
    std::fprintf(out, "| Type | Parameters | Example | Outputs | Warm-up | Feed |\n");
    std::fprintf(out, "|---|---|---|---|---|---|\n");
    for (const Entry& e : entries)
      std::fprintf(out, "| `%s` | %s | %s | %s | %s | %s |\n", e.name.c_str(), e.kinds.c_str(),
                   e.example.c_str(), e.outputs.c_str(), e.warmup.c_str(), e.feed.c_str());
  }
  if (out != stdout && std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
