#include "feeds/live_universe.h"

#include <algorithm>

#include "scan/feed_kind.h"
#include "scan/matches.h"

namespace tolvex::screener {

const Program& LiveUniverse::program_for(const ScanSpec& spec) {
  if (!program_) {
    program_ = std::make_unique<Program>(compile_program(spec));
    universe_ = spec.universe;
    std::sort(universe_.begin(), universe_.end());
  }
  return *program_;
}

Status<ScreenerError> LiveUniverse::apply_step(const ScanSpec& spec, std::string_view symbol,
                                               const Candle& candle, const LiveStep& feeds) {
  const Program& program = program_for(spec);
  if (!std::binary_search(universe_.begin(), universe_.end(), symbol))
    return err(ScreenerError::symbol_not_in_universe(std::string(symbol)));
  if (Status<ScreenerError> ok = check_feeds(program, feeds.supplied); !ok) return ok;

  auto it = states_.find(symbol);
  if (it == states_.end()) {
    Result<SymbolState, ScreenerError> state = compile_symbol(program);
    if (!state) return err(std::move(state).error());
    it = states_.emplace(std::string(symbol), std::move(state).value()).first;
  }
  const IndicatorInput in{feeds.reference,
                          feeds.deriv,
                          candle,
                          feeds.trades,
                          feeds.orderbook ? &*feeds.orderbook : nullptr,
                          feeds.cross_section ? &*feeds.cross_section : nullptr};
  it->second.step(in);
  return Unit{};
}

ScanResult LiveUniverse::evaluate(const ScanSpec& spec) const {
  std::unique_ptr<Program> fresh;
  if (!program_) fresh = std::make_unique<Program>(compile_program(spec));
  const Program& program = program_ ? *program_ : *fresh;
  std::vector<const std::string*> symbols;
  std::vector<const SymbolState*> states;
  symbols.reserve(states_.size());
  states.reserve(states_.size());
  for (const auto& [symbol, state] : states_) {
    symbols.push_back(&symbol);
    states.push_back(&state);
  }
  return collect_matches(spec, program, symbols, states, states_.size(),
                         missing_symbols(spec.universe, symbols), {});
}

void LiveUniverse::clear() {
  states_.clear();
  program_.reset();
  universe_.clear();
}

}  // namespace tolvex::screener
