// Read throughput of a bulk scan command: the outline pass over the whole
// text plus the cursor reading "data" into the symbol map, on one core.
//
// Usage: json_read_bench [symbols=500] [candles_per_symbol=2400]
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "feeds/documents.h"
#include "json/json.h"

namespace {

std::string make_command(int symbols, int candles) {
  std::string text = "{\"cmd\":\"scan\",\"data\":{";
  text.reserve(static_cast<std::size_t>(symbols) * candles * 110);
  char buf[256];
  std::uint64_t state = 12345;
  for (int s = 0; s < symbols; ++s) {
    if (s) text += ',';
    std::snprintf(buf, sizeof buf, "\"SYM%04d\":[", s);
    text += buf;
    double price = 100 + s;
    for (int i = 0; i < candles; ++i) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      double step = (static_cast<double>(state >> 40) / 16777216.0 - 0.5) * 0.02;
      double open = price;
      double close = price * (1 + step);
      double high = (open > close ? open : close) * 1.004;
      double low = (open < close ? open : close) * 0.996;
      price = close;
      std::snprintf(buf, sizeof buf,
                    "%s{\"time\":%lld,\"open\":%.6g,\"high\":%.6g,\"low\":%.6g,\"close\":%.6g,"
                    "\"volume\":%.2f}",
                    i ? "," : "", 1700000000000LL + 60000LL * i, open, high, low, close,
                    static_cast<double>(state >> 44) / 16.0);
      text += buf;
    }
    text += ']';
  }
  text += "}}";
  return text;
}

// CPU time of this thread: the machine may be shared, and wall time would
// then measure the neighbours as well.
double cpu_seconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
  int symbols = argc > 1 ? std::atoi(argv[1]) : 500;
  int candles = argc > 2 ? std::atoi(argv[2]) : 2400;
  std::string text = make_command(symbols, candles);
  double mb = static_cast<double>(text.size()) / 1e6;
  std::printf("document: %.1f MB, %d symbols x %d candles (object form)\n", mb, symbols, candles);

  for (int round = 0; round < 3; ++round) {
    double t0 = cpu_seconds();
    auto outline = tolvex::json::outline(text);
    double t_outline = cpu_seconds() - t0;
    if (!outline.ok()) {
      std::printf("outline failed: %s\n", outline.error().display().c_str());
      return 1;
    }
    const auto* data = outline->find("data");
    double t1 = cpu_seconds();
    auto read = tolvex::screener::read_scan_data(
        std::string_view(text).substr(data->begin, data->end - data->begin));
    double t_read = cpu_seconds() - t1;
    if (!read.ok()) {
      std::printf("read failed: %s\n", read.error().display().c_str());
      return 1;
    }
    std::size_t total = 0;
    for (const auto& [symbol, series] : *read) total += series.candles.size();
    std::printf("round %d: outline %.0f MB/s, read %.0f MB/s, total %.0f MB/s (%zu candles)\n",
                round, mb / t_outline, mb / t_read, mb / (t_outline + t_read), total);
  }
  return 0;
}
