#include "scan/result_writer.h"

#include "json/json.h"
#include "scan/number_writer.h"

namespace tolvex::screener {

namespace {

void write_symbols(std::string& out, const std::vector<std::string>& symbols) {
  out += '[';
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    if (i) out += ',';
    json::write_string(out, symbols[i]);
  }
  out += ']';
}

}  // namespace

std::string write_result(const ScanResult& r) {
  std::string out;
  out.reserve(64 + r.matches.size() * 96);
  out += "{\"matches\":[";
  for (std::size_t i = 0; i < r.matches.size(); ++i) {
    const MatchEntry& m = r.matches[i];
    if (i) out += ',';
    out += "{\"symbol\":";
    json::write_string(out, m.symbol);
    out += ",\"matched\":true,\"values\":{";
    bool first = true;
    for (const auto& [label, value] : m.values) {
      if (!first) out += ',';
      first = false;
      json::write_string(out, label);
      out += ':';
      append_number(out, value);
    }
    out += '}';
    if (m.score) {
      out += ",\"score\":";
      append_number(out, *m.score);
    }
    out += '}';
  }
  out += "],\"scanned\":";
  out += std::to_string(r.scanned);
  if (!r.missing.empty()) {
    out += ",\"missing\":";
    write_symbols(out, r.missing);
  }
  if (!r.stale.empty()) {
    out += ",\"stale\":";
    write_symbols(out, r.stale);
  }
  if (r.timeframe) {
    out += ",\"timeframe\":";
    json::write_string(out, *r.timeframe);
  }
  out += '}';
  return out;
}

}  // namespace tolvex::screener
