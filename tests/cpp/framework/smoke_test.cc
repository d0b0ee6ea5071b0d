#include <gtest/gtest.h>

#include "indicators/sorted_window.h"
#include "registry.h"
#include "window.h"

namespace tolvex {
namespace {

TEST(SortedWindow, MedianAndEviction) {
  // Worked example: 1, 3, 2, 4 -> 2.5; pushing 0 evicts 1 -> 0, 2, 3, 4 -> 2.5.
  SortedWindow w(4);
  for (double v : {1.0, 3.0, 2.0}) w.push(v);
  EXPECT_FALSE(w.median());
  w.push(4);
  EXPECT_EQ(*w.median(), 2.5);
  w.push(0);
  EXPECT_EQ(w.sorted(), (std::vector<double>{0, 2, 3, 4}));
  EXPECT_EQ(*w.median(), 2.5);
}

TEST(SortedWindow, NegativeZeroFirst) {
  SortedWindow w(2);
  w.push(0.0);
  w.push(-0.0);
  EXPECT_TRUE(std::signbit(w.sorted()[0]));
  EXPECT_FALSE(std::signbit(w.sorted()[1]));
}

TEST(ExtremeQueue, MaxOverWindow) {
  ExtremeQueue q(3, ExtremeQueue::Kind::Max);
  std::vector<double> in{1, 5, 2, 2, 1, 0, 7};
  std::vector<double> want{1, 5, 5, 5, 2, 2, 7};
  for (size_t i = 0; i < in.size(); ++i) EXPECT_EQ(q.push(in[i]), want[i]) << i;
}

TEST(Period, Bounds) {
  EXPECT_TRUE(check_period(MAX_PERIOD).ok());
  EXPECT_EQ(to_string(check_period(MAX_PERIOD + 1).error()),
            "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)");
  EXPECT_EQ(to_string(check_period(0).error()), "period must be greater than zero");
}

}  // namespace
}  // namespace tolvex
