// Per-indicator benchmark: nanoseconds per `update` for every registered
// type over a fixed generated series, and a check that the steady-state
// update loop never touches the heap.
//
// Usage: indicator_bench [Name ...]   (no names: every registered type)
//
// Each type is built with its typical parameters from bench/params/*.inc
// (types missing there get defaults by parameter kind), warmed up on a
// prefix of the series, then timed over 100,000 bars on the current core.
// The timed loop runs with a replaced global operator new that counts
// calls; the "allocs" column is that count and should be 0.
#include <sched.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "registry.h"
#include "sample_market.h"

namespace {

// The allocation probe has to be process-wide: operator new is global.
std::atomic<bool> g_counting{false};
std::atomic<uint64_t> g_allocations{0};

void* counted_alloc(std::size_t size) {
  if (g_counting.load(std::memory_order_relaxed))
    g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void* counted_aligned_alloc(std::size_t size, std::align_val_t align) {
  if (g_counting.load(std::memory_order_relaxed))
    g_allocations.fetch_add(1, std::memory_order_relaxed);
  std::size_t a = static_cast<std::size_t>(align);
  std::size_t rounded = (size + a - 1) / a * a;
  if (void* p = std::aligned_alloc(a, rounded == 0 ? a : rounded)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
  return counted_alloc(size);
}
void* operator new[](std::size_t size) {
  return counted_alloc(size);
}
void* operator new(std::size_t size, std::align_val_t a) {
  return counted_aligned_alloc(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a) {
  return counted_aligned_alloc(size, a);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}

namespace {

using tolvex::IndicatorInput;
using tolvex::IndicatorRow;

constexpr std::size_t kWarmupBars = 1000;
constexpr std::size_t kTimedBars = 100000;
constexpr std::size_t kRepeats = 5;

std::vector<double> params_for(const IndicatorRow& row) {
  if (const std::vector<double>* p = tolvex::sample::typical_params(row)) return *p;
  return tolvex::sample::default_params(row);
}

std::string params_text(const std::vector<double>& p) {
  std::string s;
  char buf[32];
  for (double v : p) {
    std::snprintf(buf, sizeof buf, "%s%g", s.empty() ? "" : ",", v);
    s += buf;
  }
  return s;
}

struct Measure {
  double ns_per_update = 0;
  uint64_t allocations = 0;
  std::size_t values = 0;
};

// The per-step inputs, built before timing. "Plain" steps carry only the
// bar and the reference close, which is all most types read; "full" steps
// add every side feed and are used for the types that give no value on
// plain steps. Copying a derivatives tick into every step would otherwise
// dominate the cost of the cheap types.
struct Steps {
  std::vector<IndicatorInput> plain;
  std::vector<IndicatorInput> full;
};

Steps steps_of(const tolvex::sample::Market& m) {
  Steps s;
  s.plain.reserve(m.bars.size());
  s.full.reserve(m.bars.size());
  for (std::size_t i = 0; i < m.bars.size(); ++i) {
    s.plain.push_back(m.plain(i));
    s.full.push_back(m.full(i));
  }
  return s;
}

// CPU time of this thread: on a shared machine wall time would also count
// the slices other processes take.
double thread_ns() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

Measure measure(const IndicatorRow& row, const std::vector<double>& params,
                const std::vector<IndicatorInput>& steps) {
  Measure best;
  best.ns_per_update = 1e300;
  double sink = 0;
  for (std::size_t rep = 0; rep < kRepeats; ++rep) {
    auto built = tolvex::build_from_row(row, params);
    tolvex::IndicatorEvaluator& ev = **built;
    for (std::size_t i = 0; i < kWarmupBars; ++i) {
      if (auto v = ev.update(steps[i])) sink += *v;
    }
    std::size_t values = 0;
    g_allocations.store(0);
    g_counting.store(true);
    double start = thread_ns();
    for (std::size_t i = kWarmupBars; i < kWarmupBars + kTimedBars; ++i) {
      if (auto v = ev.update(steps[i])) {
        sink += *v;
        ++values;
      }
    }
    double stop = thread_ns();
    g_counting.store(false);
    double ns = (stop - start) / kTimedBars;
    if (rep == 0) best.allocations = g_allocations.load();
    best.ns_per_update = std::min(best.ns_per_update, ns);
    best.values = values;
  }
  // Keeps the optimiser from dropping the loop.
  if (sink == 1.2345) std::puts("");
  return best;
}

// The harness's own cost per step: a virtual update that only reads the
// close, timed like the real types.
class Baseline final : public tolvex::IndicatorEvaluator {
 public:
  std::optional<double> update(const IndicatorInput& in) override {
    return tolvex::finite_close(in);
  }
  std::size_t warmup() const override { return 1; }
};

const IndicatorRow kBaselineRow{
    "(baseline)", "", [](const tolvex::Params&) {
      return tolvex::Result<tolvex::IndicatorBox, tolvex::IndicatorError>(
          tolvex::IndicatorBox(std::make_unique<Baseline>()));
    }};

bool wanted(std::string_view name, int argc, char** argv) {
  if (argc <= 1) return true;
  for (int i = 1; i < argc; ++i)
    if (name == argv[i]) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // One core: stay on the one we started on.
  int cpu = sched_getcpu();
  if (cpu >= 0) {
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    sched_setaffinity(0, sizeof set, &set);
  }
  // Side-feed records are cycled from a small pool; the timed loop only
  // borrows them.
  tolvex::sample::Market market(tolvex::sample::Shape{});
  market.grow(kWarmupBars + kTimedBars);
  Steps steps = steps_of(market);
  std::printf("%-28s %-22s %8s %10s %8s %7s %6s\n", "type", "params", "warmup", "ns/update",
              "values", "allocs", "feeds");
  std::size_t failures = 0, allocating = 0;
  Measure base = measure(kBaselineRow, {}, steps.plain);
  std::printf("%-28s %-22s %8d %10.2f %8zu %7llu %6s\n", "(baseline)", "", 1, base.ns_per_update,
              base.values, static_cast<unsigned long long>(base.allocations), "plain");
  for (std::span<const IndicatorRow> family : tolvex::registry_families()) {
    for (const IndicatorRow& row : family) {
      if (!wanted(row.name, argc, argv)) continue;
      std::vector<double> params = params_for(row);
      auto built = tolvex::build_from_row(row, params);
      std::string shown = params_text(params);
      if (!built) {
        ++failures;
        std::printf("%-28.*s %-22s build failed: %s\n", static_cast<int>(row.name.size()),
                    row.name.data(), shown.c_str(), tolvex::to_string(built.error()).c_str());
        continue;
      }
      std::size_t warmup = (*built)->warmup();
      Measure m = measure(row, params, steps.plain);
      const char* feed = "plain";
      if (m.values == 0) {
        m = measure(row, params, steps.full);
        feed = "full";
      }
      if (m.allocations != 0) ++allocating;
      std::printf("%-28.*s %-22s %8zu %10.2f %8zu %7llu %6s\n", static_cast<int>(row.name.size()),
                  row.name.data(), shown.c_str(), warmup, m.ns_per_update, m.values,
                  static_cast<unsigned long long>(m.allocations), feed);
    }
  }
  std::printf("\n%zu types failed to build, %zu allocated in the steady state\n", failures,
              allocating);
  return allocating == 0 ? 0 : 1;
}
