#include "scan/matches.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>

#include "scan/evaluate.h"
#include "scan/number_writer.h"

namespace tolvex::screener {

ScanResult collect_matches(const ScanSpec& spec, const Program& program,
                           std::span<const std::string* const> symbols,
                           std::span<const SymbolState* const> states, std::uint64_t scanned,
                           std::vector<std::string> missing, std::vector<std::string> stale) {
  ScanResult result;
  result.scanned = scanned;
  result.missing = std::move(missing);
  result.stale = std::move(stale);
  result.timeframe = spec.timeframe;

  // Values are collected only for the entries that survive ordering and
  // the limit; they play no part in either.
  struct Hit {
    std::size_t state;
    std::optional<double> score;
  };
  ConditionEvaluator eval(program, states);
  std::vector<Hit> hits;
  for (std::size_t s = 0; s < states.size(); ++s) {
    if (!eval.holds(s)) continue;
    Hit h{s, std::nullopt};
    if (program.rank) {
      const std::optional<double> v = value_at(program, program.rank->expr, *states[s], 0);
      if (v && std::isfinite(*v)) h.score = round8(*v);
    }
    hits.push_back(h);
  }

  if (program.rank) {
    // Hits are in symbol order already; a stable sort keeps it for ties and
    // for the unscored entries, which go last.
    const bool desc = program.rank_desc;
    std::stable_sort(hits.begin(), hits.end(), [desc](const Hit& a, const Hit& b) {
      if (!a.score || !b.score) return a.score.has_value() && !b.score;
      return desc ? *a.score > *b.score : *a.score < *b.score;
    });
  }
  if (spec.limit && hits.size() > *spec.limit) hits.resize(static_cast<std::size_t>(*spec.limit));

  result.matches.reserve(hits.size());
  for (const Hit& h : hits) {
    MatchEntry m;
    m.symbol = *symbols[h.state];
    eval.collect_values(h.state, m.values);
    m.score = h.score;
    if (h.score && !program.rank->is_const)
      m.values.insert_or_assign(program.rank->label, *h.score);
    result.matches.push_back(std::move(m));
  }
  return result;
}

std::vector<std::string> missing_symbols(const std::vector<std::string>& universe,
                                         std::span<const std::string* const> present) {
  std::vector<std::string> out;
  std::set<std::string_view> listed;
  for (const std::string& u : universe) {
    const bool found =
        std::binary_search(present.begin(), present.end(), &u,
                           [](const std::string* a, const std::string* b) { return *a < *b; });
    if (!found && listed.insert(u).second) out.push_back(u);
  }
  return out;
}

}  // namespace tolvex::screener
