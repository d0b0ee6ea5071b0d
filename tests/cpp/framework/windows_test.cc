// The window primitives: the SumWindow rebuild, FIFO and lag windows, and
// the total order of the sorted window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "indicators/sorted_window.h"
#include "window.h"

namespace tolvex {
namespace {

TEST(SumWindow, RebuildAfterSixteenTimesN) {
  // n = 3 over 1e16, 1, -1e16, then ones: the running sum drops the small
  // terms beside 1e16 and stays off by 2 until the exact recompute on push
  // 48, which sums the held values oldest first.
  SumWindow w(3);
  const double xs[] = {1e16, 1, -1e16};
  std::size_t pushes = 0;
  for (double x : xs) w.push(x), ++pushes;
  while (pushes < 47) w.push(1), ++pushes;
  EXPECT_EQ(w.sum(), 1.0);  // drifted: the held values are 1, 1, 1
  w.push(1);
  EXPECT_EQ(w.sum(), 3.0);
  EXPECT_EQ(*w.mean(), 1.0);
  EXPECT_EQ(w[0], 1.0);
}

TEST(SumWindow, MeanOnlyWhenFull) {
  SumWindow w(2);
  w.push(4);
  EXPECT_FALSE(w.mean());
  w.push(-1);
  EXPECT_EQ(*w.mean(), 1.5);
  w.push(3);  // evicts 4
  EXPECT_EQ(*w.mean(), 1.0);
  EXPECT_EQ(w[0], -1);
  EXPECT_EQ(w[1], 3);
}

TEST(FifoWindow, OrderAcrossTheWrap) {
  FifoWindow<double> w(3);
  for (double v : {1, 2, 3, 4, 5}) w.push(v);
  EXPECT_EQ(w.oldest(), 3);
  EXPECT_EQ(w.newest(), 5);
  EXPECT_EQ(w[1], 4);
  EXPECT_EQ(w.back(2), 3);
  EXPECT_EQ(w.pop_front(), 3);
  w.push(6);
  std::vector<double> seen;
  w.for_each([&](double v) { seen.push_back(v); });
  EXPECT_EQ(seen, (std::vector<double>{4, 5, 6}));
}

TEST(LagWindow, OldestIsNStepsBack) {
  LagWindow w(2);
  w.push(1);
  w.push(2);
  EXPECT_FALSE(w.is_full());
  w.push(3);
  EXPECT_EQ(w.lagged(), 1);
  w.push(7);
  EXPECT_EQ(w.lagged(), 2);
  EXPECT_EQ(w.newest(), 7);
}

TEST(ExtremeQueue, EqualValuesKeepTheNewest) {
  ExtremeQueue q(3, ExtremeQueue::Kind::Min);
  q.push(2);
  q.push(2);
  EXPECT_EQ(q.age(), 0u);
  q.push(5);
  q.push(6);  // the first 2 left the window; the second still holds it
  EXPECT_EQ(q.extreme(), 2);
  EXPECT_EQ(q.age(), 2u);
  q.push(7);
  EXPECT_EQ(q.extreme(), 5);
}

TEST(TotalOrder, NegativeZeroAndSigns) {
  EXPECT_TRUE(total_order_less(-0.0, 0.0));
  EXPECT_FALSE(total_order_less(0.0, -0.0));
  EXPECT_FALSE(total_order_less(-0.0, -0.0));
  EXPECT_TRUE(total_order_less(-2.0, -1.0));
  EXPECT_TRUE(total_order_less(-1e-300, -0.0));
  EXPECT_TRUE(total_order_less(1.0, 2.0));
  EXPECT_TRUE(total_order_less(-std::numeric_limits<double>::infinity(), -1e308));
}

TEST(SortedWindow, EvictsTheRightZero) {
  // Evicting +0.0 must leave -0.0 in place (and the reverse): a numeric
  // search would remove whichever zero it met first.
  SortedWindow w(2);
  w.push(0.0);
  w.push(-0.0);
  w.push(5);  // evicts +0.0
  ASSERT_EQ(w.sorted().size(), 2u);
  EXPECT_TRUE(std::signbit(w.sorted()[0]));
  w.push(1);  // evicts -0.0
  EXPECT_EQ(w.sorted(), (std::vector<double>{1, 5}));
}

TEST(SortedWindow, MedianOfHugeValuesDoesNotOverflow) {
  SortedWindow w(2);
  w.push(1.5e308);
  w.push(1.7e308);
  EXPECT_EQ(*w.median(), 1.5e308 * 0.5 + 1.7e308 * 0.5);
}

}  // namespace
}  // namespace tolvex
