// The result document of "scan" and "evaluate": compact JSON with the keys
// "matches", "scanned", "missing", "stale", "timeframe" in that order, the
// last three only when non-empty or present.
#pragma once

#include <string>

#include "scan/scan_result.h"

namespace tolvex::screener {

std::string write_result(const ScanResult& result);

}  // namespace tolvex::screener
