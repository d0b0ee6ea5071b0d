// The live universe of a screener instance: one SymbolState per symbol that
// has been fed, advanced one step at a time, plus the compiled form of the
// current specification.
//
// Contract: every call between two `clear()` calls must pass the same
// specification (the owner calls `clear()` whenever it replaces it); the
// compiled form is built at the first use after `clear()` and kept. Not
// thread-safe; the owner serialises calls.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "feeds/documents.h"
#include "records.h"
#include "result.h"
#include "scan/program.h"
#include "scan/scan_result.h"
#include "scan/spec.h"
#include "scan/symbol_state.h"
#include "screener_error.h"

namespace tolvex::screener {

class LiveUniverse {
 public:
  LiveUniverse() = default;
  LiveUniverse(LiveUniverse&&) noexcept = default;
  LiveUniverse& operator=(LiveUniverse&&) noexcept = default;

  // Feeds one validated step of `symbol`. Fails with SymbolNotInUniverse,
  // MissingFeed (checked on every step, against this step's feeds) or
  // UnknownIndicator; a failed step changes nothing. The symbol's state is
  // built at its first accepted step. Timestamps are not compared.
  Status<ScreenerError> apply_step(const ScanSpec& spec, std::string_view symbol,
                                   const Candle& candle, const LiveStep& feeds);

  // Every fed symbol evaluated at its latest step: scanned = symbols fed,
  // missing = universe symbols never fed, stale always empty.
  ScanResult evaluate(const ScanSpec& spec) const;

  // Drops every state and the compiled specification.
  void clear();

  std::size_t size() const { return states_.size(); }

 private:
  const Program& program_for(const ScanSpec& spec);

  // Heap-held so that states keep a stable pointer to it across moves.
  std::unique_ptr<Program> program_;
  std::vector<std::string> universe_;  // sorted, for membership tests
  std::map<std::string, SymbolState, std::less<>> states_;
};

}  // namespace tolvex::screener
