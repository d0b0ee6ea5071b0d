#include "indicators/volatility/average_daily_range.h"

namespace tolvex {

namespace {

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr int64_t kSecondsPerDay = 86400;

}  // namespace

Result<AverageDailyRange, IndicatorError> AverageDailyRange::create(std::size_t n,
                                                                    int32_t utc_offset_min) {
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return AverageDailyRange(n, utc_offset_min);
}

// Days since the epoch of the shifted clock; a calendar date and its day
// number determine each other, so the number serves as the day key.
int64_t AverageDailyRange::day_of(int64_t time_ms) const {
  return floor_div(floor_div(time_ms, 1000) + 60 * offset_min_, kSecondsPerDay);
}

std::optional<double> AverageDailyRange::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  int64_t day = day_of(bar->time);
  if (day_ && *day_ == day) {
    if (bar->high > day_high_) day_high_ = bar->high;
    if (bar->low < day_low_) day_low_ = bar->low;
  } else {
    if (day_) ranges_.push(day_high_ - day_low_);
    day_ = day;
    day_high_ = bar->high;
    day_low_ = bar->low;
  }
  if (ranges_.empty()) return std::nullopt;
  return ranges_.sum() / static_cast<double>(ranges_.size());
}

}  // namespace tolvex
