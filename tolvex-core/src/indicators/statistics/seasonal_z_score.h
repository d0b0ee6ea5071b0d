// Z-score of the bar's simple return against the returns seen before at the
// same hour of day (in a fixed UTC offset). An hour gives values once it
// holds two returns.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

class SeasonalZScore final : public IndicatorEvaluator {
 public:
  static Result<SeasonalZScore, IndicatorError> create(int32_t utc_offset_minutes);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2; }

  // Hour of day 0 ... 23 of a millisecond timestamp shifted by the offset.
  static int hour_of_day(int64_t time_ms, int32_t utc_offset_minutes);

 private:
  explicit SeasonalZScore(int32_t utc_offset_minutes) : offset_(utc_offset_minutes) {}

  // Running count, mean and sum of squared deviations (Welford).
  struct HourStats {
    double count = 0;
    double mean = 0;
    double m2 = 0;
  };

  int32_t offset_;
  std::optional<double> prev_close_;
  std::array<HourStats, 24> hours_{};
};

}  // namespace tolvex
