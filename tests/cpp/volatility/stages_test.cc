// The numeric stages shared with other families, tested on their own where a
// fault would not show through a single indicator.
#include <gtest/gtest.h>

#include <limits>

#include "indicators/common/resummed_sum.h"
#include "indicators/common/storage_check.h"
#include "indicators/common/window_moments.h"
#include "indicators/volatility/running_window_sum.h"

namespace tolvex {
namespace {

TEST(WindowMoments, FarFromZeroAndAfterEviction) {
  // Hand-checked: {1, 2, 3} + 1e9 has mean 1e9 + 2, sample variance 1,
  // population variance 2/3; after 1e9 + 7 evicts 1e9 + 1 the window
  // {2, 3, 7} + 1e9 has mean 1e9 + 4 and squared deviations 4 + 1 + 9.
  WindowMoments m(3);
  for (double d : {1.0, 2.0, 3.0}) m.push(1e9 + d);
  EXPECT_EQ(m.mean(), 1e9 + 2);
  EXPECT_EQ(m.sample_variance(), 1.0);
  EXPECT_DOUBLE_EQ(m.population_variance(), 2.0 / 3.0);
  m.push(1e9 + 7);
  EXPECT_EQ(m.mean(), 1e9 + 4);
  EXPECT_EQ(m.sample_variance(), 7.0);
}

TEST(WindowMoments, RecentringKeepsALongTrendExact) {
  // Four consecutive integers always have sample variance 5/3; with a
  // shift frozen at the first value the squared sums would drift.
  WindowMoments m(4);
  for (int i = 0; i < 200000; ++i) m.push(1e9 + i);
  EXPECT_NEAR(m.sample_variance(), 5.0 / 3.0, 1e-9);
  EXPECT_EQ(m.mean(), 1e9 + 199997.5);
}

TEST(ResummedSum, NonFiniteTermWashesOutAfterLeaving) {
  ResummedSum s(2);
  s.push(std::numeric_limits<double>::infinity());
  s.push(1);
  EXPECT_TRUE(std::isinf(s.sum()));
  s.push(2);  // inf - inf: NaN until the next exact re-sum
  EXPECT_TRUE(std::isnan(s.sum()));
  s.push(3);
  EXPECT_EQ(s.sum(), 5);
}

TEST(RunningWindowSum, PlainWhileFiniteAndRecoversAfterANonFiniteValue) {
  // By hand: 1e16 + 1 rounds back to 1e16 (spacing 2) twice, so evicting
  // 1e16 leaves 0 and evicting each 1 then subtracts it: -2 over a window
  // of zeros. Finite data keeps that plain sum; no re-sum corrects it.
  RunningWindowSum plain(3);
  for (double x : {1e16, 1.0, 1.0, 0.0, 0.0, 0.0}) plain.push(x);
  EXPECT_EQ(plain.sum(), -2.0);
  // An infinity poisons the sum while held; n pushes after the sum turned
  // non-finite, it has left and the sum is exact again.
  RunningWindowSum s(2);
  s.push(1);
  s.push(std::numeric_limits<double>::infinity());
  s.push(2);
  EXPECT_FALSE(std::isfinite(s.sum()));
  s.push(3);
  EXPECT_EQ(s.sum(), 5);
  s.push(4);
  EXPECT_EQ(s.sum(), 7);
}

TEST(StorageCheck, RefusesImpossibleLengths) {
  EXPECT_TRUE(check_storage(1000, sizeof(double)).ok());
  EXPECT_EQ(to_string(check_storage(std::numeric_limits<std::size_t>::max(), 8).error()),
            "invalid period: window length is too large to allocate");
  EXPECT_FALSE(check_storage(std::size_t{1} << 55, 8).ok());
}

}  // namespace
}  // namespace tolvex
