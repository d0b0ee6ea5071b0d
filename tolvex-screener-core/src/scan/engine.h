// The screening engine's entry points: the batch scan and the result
// document. The live universe is feeds/live_universe.h.
#pragma once

#include <cstddef>
#include <string>

#include "feeds/documents.h"
#include "result.h"
#include "scan/result_writer.h"
#include "scan/scan_result.h"
#include "scan/spec.h"
#include "screener_error.h"

namespace tolvex::screener {

struct ScanOptions {
  // Threads that step symbols in parallel mode, the caller included; 0 uses
  // the whole worker pool. Only benchmarks set it.
  std::size_t max_workers = 0;
};

// Runs a batch scan of `data` against `spec`. Checks, in order: the
// specification (BadSpec); every universe symbol's series (FeedLength,
// Feed); the feed requirements of every scanned symbol (MissingFeed or the
// bare-name UnknownIndicator); then builds evaluators (UnknownIndicator)
// and, when symbols are stepped together, the breadth states (BadSpec).
// Symbols outside the universe are ignored unchecked. Nothing survives the
// call; `spec` and `data` are only read, possibly from several threads.
Result<ScanResult, ScreenerError> run_scan(const ScanSpec& spec, const ScanData& data,
                                           const ScanOptions& options = {});

}  // namespace tolvex::screener
