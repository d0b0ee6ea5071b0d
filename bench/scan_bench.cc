// Batch scan throughput: 500 symbols x 2,000 bars, a condition over Sma,
// Ema and a crossing, ranked. Reports the time to read the data document,
// the scan itself with one worker and with the whole pool, and bar updates
// per second.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "feeds/documents.h"
#include "scan/engine.h"
#include "scan/spec.h"
#include "util/worker_pool.h"

using namespace tolvex::screener;

namespace {

constexpr int kSymbols = 500;
constexpr int kBars = 2000;

std::string data_document() {
  std::string out = "{";
  char buf[160];
  for (int s = 0; s < kSymbols; ++s) {
    std::snprintf(buf, sizeof buf, "%s\"S%04d\":[", s ? "," : "", s);
    out += buf;
    double price = 50 + s % 97;
    for (int i = 0; i < kBars; ++i) {
      const double next = price * (1 + 0.01 * std::sin(i * 0.37 + s) + 0.002 * std::cos(i * 1.3));
      const double hi = std::max(price, next) * 1.004;
      const double lo = std::min(price, next) * 0.996;
      std::snprintf(buf, sizeof buf, "%s[%d,%.6f,%.6f,%.6f,%.6f,%d]", i ? "," : "",
                    1700000000 + i * 60, price, hi, lo, next, 1000 + (i * 37 + s) % 500);
      out += buf;
      price = next;
    }
    out += "]";
  }
  out += "}";
  return out;
}

ScanSpec bench_spec() {
  ScanSpec spec;
  for (int s = 0; s < kSymbols; ++s) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "S%04d", s);
    spec.universe.push_back(buf);
  }
  const Expr close = Expr::price(PriceField::Close);
  spec.condition = Condition::any({
      Condition::cmp(Expr::indicator("Ema", {12}), CmpOp::CrossesAbove,
                     Expr::indicator("Sma", {50})),
      Condition::all({Condition::cmp(close, CmpOp::Gt, Expr::indicator("Sma", {200})),
                      Condition::rising(Expr::indicator("Ema", {12}), 3)}),
  });
  spec.rank = RankSpec{Expr::arith(ArithOp::Div, close, Expr::indicator("Sma", {50})), true};
  spec.limit = 20;
  return spec;
}

double seconds_since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main() {
  const std::string text = data_document();
  const ScanSpec spec = bench_spec();
  const double updates = double(kSymbols) * kBars;

  auto t0 = std::chrono::steady_clock::now();
  auto data = read_scan_data(text);
  const double read_s = seconds_since(t0);
  if (!data.ok()) {
    std::printf("read failed: %s\n", data.error().display().c_str());
    return 1;
  }

  const std::size_t pool = WorkerPool::instance().size();
  std::printf("data document: %.1f MB, %d symbols x %d bars\n", text.size() / 1e6, kSymbols, kBars);
  std::printf("read JSON: %.3f s\n", read_s);
  for (std::size_t workers : {std::size_t{1}, pool}) {
    double best = 1e9;
    std::size_t matches = 0;
    for (int rep = 0; rep < 3; ++rep) {
      t0 = std::chrono::steady_clock::now();
      auto r = run_scan(spec, *data, {workers});
      best = std::min(best, seconds_since(t0));
      if (!r.ok()) {
        std::printf("scan failed: %s\n", r.error().display().c_str());
        return 1;
      }
      matches = r->matches.size();
    }
    std::printf(
        "workers %zu: scan %.3f s, %.2f M bar-updates/s, total with reading %.3f s (JSON share "
        "%.0f%%), %zu matches\n",
        workers, best, updates / best / 1e6, best + read_s, 100 * read_s / (best + read_s),
        matches);
  }
  return 0;
}
