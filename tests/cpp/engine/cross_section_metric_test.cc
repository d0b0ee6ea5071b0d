#include "scan/cross_section_metric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tolvex::screener {
namespace {

std::vector<double> metric(CrossSectionMetric m, std::vector<double> values) {
  std::vector<double> out(values.size());
  cross_section_metric(m, values, out);
  return out;
}

TEST(CrossSectionMetric, RanksPercentilesAndZScores) {
  // Members A 3, B 5, C 5, D 1 in symbol order. By hand: mean 3.5,
  // population variance (0.25 + 2.25 + 2.25 + 6.25) / 4 = 2.75.
  const std::vector<double> v = {3, 5, 5, 1};
  EXPECT_EQ(metric(CrossSectionMetric::Rank, v), (std::vector<double>{3, 1, 2, 4}));
  EXPECT_EQ(metric(CrossSectionMetric::PercentileRank, v),
            (std::vector<double>{1.0 / 3, 2.0 / 3, 2.0 / 3, 0}));
  const double sd = std::sqrt(2.75);
  const std::vector<double> z = metric(CrossSectionMetric::ZScore, v);
  EXPECT_DOUBLE_EQ(z[0], -0.5 / sd);
  EXPECT_DOUBLE_EQ(z[1], 1.5 / sd);
  EXPECT_DOUBLE_EQ(z[3], -2.5 / sd);
}

TEST(CrossSectionMetric, DegenerateUniverses) {
  EXPECT_EQ(metric(CrossSectionMetric::Rank, {7, 7, 7}), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(metric(CrossSectionMetric::PercentileRank, {7, 7, 7}), (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(metric(CrossSectionMetric::ZScore, {7, 7, 7}), (std::vector<double>{0, 0, 0}));
  for (auto m : {CrossSectionMetric::PercentileRank, CrossSectionMetric::ZScore})
    EXPECT_EQ(metric(m, {4}), (std::vector<double>{0}));
  EXPECT_EQ(metric(CrossSectionMetric::Rank, {4}), (std::vector<double>{1}));
  EXPECT_TRUE(metric(CrossSectionMetric::Rank, {}).empty());
}

}  // namespace
}  // namespace tolvex::screener
