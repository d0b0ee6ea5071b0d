// The process-wide worker pool: a data-parallel map over an index range.
//
// The pool is created on first use with one thread per hardware thread (the
// calling thread counts as one) and lives until the process ends; it is the
// engine's only piece of global mutable state. Jobs from different callers
// run one after another. A call made from inside a pool task runs inline on
// that worker, so nested use cannot deadlock.
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace tolvex::screener {

class WorkerPool {
 public:
  // The shared pool, created on the first call.
  static WorkerPool& instance();

  // Threads that can work on one job, the caller included.
  std::size_t size() const { return threads_ + 1; }

  // Calls task(ctx, i) once for every i in [0, n) and returns when all calls
  // have finished. At most `max_workers` threads take part (0: all of them);
  // the calling thread always does. Tasks must not throw.
  void run(std::size_t n, void (*task)(void*, std::size_t), void* ctx, std::size_t max_workers);

  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

 private:
  struct Shared;
  WorkerPool();
  void worker_loop();

  Shared* shared_;
  std::size_t threads_;
};

// Maps fn over [0, n) on the pool and returns the results by index.
template <class T, class F>
std::vector<T> parallel_map(std::size_t n, F&& fn, std::size_t max_workers = 0) {
  std::vector<std::optional<T>> slots(n);
  struct Ctx {
    F* fn;
    std::vector<std::optional<T>>* slots;
  } ctx{&fn, &slots};
  WorkerPool::instance().run(
      n,
      [](void* c, std::size_t i) {
        auto* x = static_cast<Ctx*>(c);
        (*x->slots)[i].emplace((*x->fn)(i));
      },
      &ctx, max_workers);
  std::vector<T> out;
  out.reserve(n);
  for (std::optional<T>& s : slots) out.push_back(std::move(*s));
  return out;
}

}  // namespace tolvex::screener
