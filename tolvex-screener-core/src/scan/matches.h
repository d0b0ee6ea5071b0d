// Match collection shared by the batch scan and the live universe:
// evaluate every state, report values and scores, order and limit.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "scan/program.h"
#include "scan/scan_result.h"
#include "scan/spec.h"
#include "scan/symbol_state.h"

namespace tolvex::screener {

// `symbols` and `states` are parallel, in ascending byte order of symbol.
ScanResult collect_matches(const ScanSpec& spec, const Program& program,
                           std::span<const std::string* const> symbols,
                           std::span<const SymbolState* const> states, std::uint64_t scanned,
                           std::vector<std::string> missing, std::vector<std::string> stale);

// The universe symbols outside `present` (a sorted list), in universe order,
// each once.
std::vector<std::string> missing_symbols(const std::vector<std::string>& universe,
                                         std::span<const std::string* const> present);

}  // namespace tolvex::screener
