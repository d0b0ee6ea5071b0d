// The result record of a scan or a live evaluation, before it is written.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tolvex::screener {

struct MatchEntry {
  std::string symbol;
  // Reported values by label, already rounded to 8 decimals.
  std::map<std::string, double> values;
  // The rank expression's rounded value, when there is a rank and the value
  // is defined and finite.
  std::optional<double> score;
};

struct ScanResult {
  std::vector<MatchEntry> matches;  // ordered and limited
  std::uint64_t scanned = 0;
  std::vector<std::string> missing;
  std::vector<std::string> stale;
  std::optional<std::string> timeframe;
};

}  // namespace tolvex::screener
