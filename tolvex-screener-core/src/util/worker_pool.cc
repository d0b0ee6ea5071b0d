#include "util/worker_pool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tolvex::screener {

namespace {

thread_local bool tls_in_pool_task = false;

}  // namespace

// One job at a time is published here; workers join it while it is open
// and seats remain.
struct WorkerPool::Shared {
  std::mutex submit;  // serialises callers

  std::mutex m;
  std::condition_variable wake;
  std::condition_variable idle;
  std::size_t generation = 0;
  bool open = false;
  std::size_t seats = 0;   // workers that may still join
  std::size_t joined = 0;  // workers currently inside the job
  std::size_t n = 0;
  void (*task)(void*, std::size_t) = nullptr;
  void* ctx = nullptr;
  std::atomic<std::size_t> next{0};

  void drain() {
    for (std::size_t i = next.fetch_add(1); i < n; i = next.fetch_add(1)) task(ctx, i);
  }
};

WorkerPool& WorkerPool::instance() {
  // Deliberately never destroyed: workers may still be parked at exit.
  static WorkerPool* pool = new WorkerPool();
  return *pool;
}

WorkerPool::WorkerPool() : shared_(new Shared) {
  const unsigned hw = std::thread::hardware_concurrency();
  threads_ = hw > 1 ? hw - 1 : 0;
  for (std::size_t t = 0; t < threads_; ++t) std::thread([this] { worker_loop(); }).detach();
}

void WorkerPool::worker_loop() {
  tls_in_pool_task = true;
  Shared& s = *shared_;
  std::size_t seen = 0;
  std::unique_lock lock(s.m);
  for (;;) {
    s.wake.wait(lock, [&] { return s.generation != seen; });
    seen = s.generation;
    if (!s.open || s.seats == 0) continue;
    --s.seats;
    ++s.joined;
    lock.unlock();
    s.drain();
    lock.lock();
    if (--s.joined == 0) s.idle.notify_all();
  }
}

void WorkerPool::run(std::size_t n, void (*task)(void*, std::size_t), void* ctx,
                     std::size_t max_workers) {
  if (n == 0) return;
  const std::size_t helpers = max_workers == 0 ? threads_ : std::min(threads_, max_workers - 1);
  if (tls_in_pool_task || helpers == 0 || n == 1) {
    for (std::size_t i = 0; i < n; ++i) task(ctx, i);
    return;
  }
  Shared& s = *shared_;
  std::lock_guard submit(s.submit);
  {
    std::lock_guard lock(s.m);
    s.n = n;
    s.task = task;
    s.ctx = ctx;
    s.next.store(0);
    s.seats = std::min(helpers, n - 1);
    s.open = true;
    ++s.generation;
  }
  s.wake.notify_all();
  // The caller works too, and tasks it runs must not reenter the pool.
  tls_in_pool_task = true;
  s.drain();
  tls_in_pool_task = false;
  std::unique_lock lock(s.m);
  // Every index is claimed once drain returns; close the job so no late
  // worker joins, then wait for those still running a task.
  s.open = false;
  s.seats = 0;
  s.idle.wait(lock, [&] { return s.joined == 0; });
}

}  // namespace tolvex::screener
