#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "scan/breadth_state.h"
#include "scan/engine.h"
#include "scan/feed_kind.h"
#include "scan/matches.h"
#include "scan/program.h"
#include "scan/symbol_state.h"
#include "scan/synchronised.h"
#include "util/worker_pool.h"

namespace tolvex::screener {

namespace {

struct Scanned {
  const std::string* symbol;
  const SymbolSeries* series;
};

Result<SymbolState, ScreenerError> run_symbol(const Program& program, const SymbolSeries& s) {
  Result<SymbolState, ScreenerError> state = compile_symbol(program);
  if (!state) return state;
  for (std::size_t i = 0; i < s.candles.size(); ++i) state->step(own_input(s, i));
  return state;
}

BreadthSettings breadth_settings(const ScanSpec& spec) {
  BreadthSettings b;
  if (!spec.breadth) return b;
  b.period = spec.breadth->period.value_or(BreadthSpec::kDefaultPeriod);
  b.ma_period = spec.breadth->ma_period.value_or(BreadthSpec::kDefaultMaPeriod);
  b.pnf_box = spec.breadth->pnf_box.value_or(BreadthSpec::kDefaultPnfBox);
  b.pnf_reversal = spec.breadth->pnf_reversal.value_or(BreadthSpec::kDefaultPnfReversal);
  return b;
}

// Compiles every symbol with its breadth state, in symbol order, then steps
// them all together along the merged timeline.
Status<ScreenerError> run_synchronised(const ScanSpec& spec, const Program& program,
                                       const std::vector<Scanned>& scanned,
                                       std::vector<SymbolState>& states) {
  const BreadthSettings settings = breadth_settings(spec);
  std::vector<BreadthState> breadth;
  breadth.reserve(scanned.size());
  states.reserve(scanned.size());
  for (std::size_t k = 0; k < scanned.size(); ++k) {
    Result<SymbolState, ScreenerError> state = compile_symbol(program);
    if (!state) return err(std::move(state).error());
    states.push_back(std::move(state).value());
    Result<BreadthState, ScreenerError> b = BreadthState::make(settings);
    if (!b) return err(std::move(b).error());
    breadth.push_back(std::move(b).value());
  }

  std::optional<std::size_t> reference_symbol;
  if (spec.reference)
    for (std::size_t k = 0; k < scanned.size(); ++k)
      if (*scanned[k].symbol == *spec.reference) reference_symbol = k;
  std::vector<const SymbolSeries*> series;
  series.reserve(scanned.size());
  for (const Scanned& s : scanned) series.push_back(s.series);
  return step_synchronised(series, reference_symbol, breadth,
                           [&](std::size_t k, const IndicatorInput& in) { states[k].step(in); });
}

std::vector<std::string> stale_symbols(const std::vector<Scanned>& scanned) {
  std::optional<std::int64_t> newest;
  for (const Scanned& s : scanned)
    if (!s.series->candles.empty())
      newest = std::max(newest.value_or(std::numeric_limits<std::int64_t>::min()),
                        s.series->candles.back().time);
  std::vector<std::string> stale;
  for (const Scanned& s : scanned)
    if (!s.series->candles.empty() && s.series->candles.back().time < *newest)
      stale.push_back(*s.symbol);
  return stale;
}

}  // namespace

Result<ScanResult, ScreenerError> run_scan(const ScanSpec& spec, const ScanData& data,
                                           const ScanOptions& options) {
  if (Status<std::string> valid = validate_spec(spec); !valid)
    return err(ScreenerError::bad_spec(std::move(valid).error()));

  const std::set<std::string_view> universe(spec.universe.begin(), spec.universe.end());
  std::vector<Scanned> scanned;
  for (const auto& [symbol, series] : data) {
    if (!universe.count(symbol)) continue;
    if (Status<ScreenerError> ok = validate_series(symbol, series); !ok)
      return err(std::move(ok).error());
    scanned.push_back({&symbol, &series});
  }
  std::vector<const std::string*> names;
  names.reserve(scanned.size());
  for (const Scanned& s : scanned) names.push_back(s.symbol);
  std::vector<std::string> missing = missing_symbols(spec.universe, names);

  const Program program = compile_program(spec);
  bool synchronised = spec.reference.has_value();
  if (!synchronised && needs_sections(program))
    synchronised = std::any_of(scanned.begin(), scanned.end(),
                               [](const Scanned& s) { return !s.series->sections; });

  for (const Scanned& s : scanned) {
    SuppliedFeeds supplied = supplied_feeds(*s.series);
    supplied.reference = supplied.reference || spec.reference.has_value();
    supplied.sections = supplied.sections || synchronised;
    if (Status<ScreenerError> ok = check_feeds(program, supplied); !ok)
      return err(std::move(ok).error());
  }

  std::vector<std::string> stale = stale_symbols(scanned);

  std::vector<SymbolState> states;
  if (synchronised) {
    if (Status<ScreenerError> ok = run_synchronised(spec, program, scanned, states); !ok)
      return err(std::move(ok).error());
  } else {
    std::vector<Result<SymbolState, ScreenerError>> done =
        parallel_map<Result<SymbolState, ScreenerError>>(
            scanned.size(), [&](std::size_t k) { return run_symbol(program, *scanned[k].series); },
            options.max_workers);
    states.reserve(done.size());
    for (Result<SymbolState, ScreenerError>& r : done) {
      if (!r) return err(std::move(r).error());
      states.push_back(std::move(r).value());
    }
  }

  std::vector<const SymbolState*> view;
  view.reserve(states.size());
  for (const SymbolState& s : states) view.push_back(&s);
  return collect_matches(spec, program, names, view, scanned.size(), std::move(missing),
                         std::move(stale));
}

}  // namespace tolvex::screener
