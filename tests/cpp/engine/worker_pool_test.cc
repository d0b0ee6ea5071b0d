#include "util/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>

namespace tolvex::screener {
namespace {

TEST(WorkerPool, MapsEveryIndexOnceInOrder) {
  for (std::size_t workers : {0u, 1u, 2u}) {
    std::atomic<int> calls{0};
    const std::vector<std::uint64_t> out = parallel_map<std::uint64_t>(
        1000,
        [&](std::size_t i) {
          ++calls;
          return static_cast<std::uint64_t>(i * i);
        },
        workers);
    ASSERT_EQ(out.size(), 1000u);
    EXPECT_EQ(calls.load(), 1000);
    for (std::size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out[i], i * i) << workers;
  }
  EXPECT_TRUE(parallel_map<int>(0, [](std::size_t) { return 1; }).empty());
}

TEST(WorkerPool, NestedUseRunsInline) {
  // A task that maps again must not wait for the pool it is running on.
  const std::vector<int> out = parallel_map<int>(8, [](std::size_t i) {
    const std::vector<int> inner =
        parallel_map<int>(50, [i](std::size_t j) { return static_cast<int>(i + j); });
    int sum = 0;
    for (int v : inner) sum += v;
    return sum;
  });
  for (std::size_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i], static_cast<int>(50 * i + 1225));
}

}  // namespace
}  // namespace tolvex::screener
