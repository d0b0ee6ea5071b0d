#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/volatility/running_window_sum.h"
#include "result.h"

namespace tolvex {

// Mean high-low range of the last n completed calendar days. Days are cut
// at midnight of the clock shifted by the UTC offset (minutes) and a day
// completes when the first bar of a later day arrives, so values start
// with the second day and cover fewer than n days until n have completed.
class AverageDailyRange final : public IndicatorEvaluator {
 public:
  static Result<AverageDailyRange, IndicatorError> create(std::size_t n, int32_t utc_offset_min);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ranges_.capacity(); }

 private:
  AverageDailyRange(std::size_t n, int32_t offset) : offset_min_(offset), ranges_(n) {}

  int64_t day_of(int64_t time_ms) const;

  int64_t offset_min_;
  std::optional<int64_t> day_;
  double day_high_ = 0.0;
  double day_low_ = 0.0;
  RunningWindowSum ranges_;
};

}  // namespace tolvex
