#include "indicators/statistics/seasonal_z_score.h"

#include <cmath>

namespace tolvex {

namespace {

int64_t floor_div(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

Result<SeasonalZScore, IndicatorError> SeasonalZScore::create(int32_t utc_offset_minutes) {
  return SeasonalZScore(utc_offset_minutes);
}

int SeasonalZScore::hour_of_day(int64_t time_ms, int32_t utc_offset_minutes) {
  constexpr int64_t kDay = 86400;
  int64_t seconds = floor_div(time_ms, 1000) + 60 * static_cast<int64_t>(utc_offset_minutes);
  int64_t of_day = seconds % kDay;
  if (of_day < 0) of_day += kDay;
  return static_cast<int>(of_day / 3600);
}

std::optional<double> SeasonalZScore::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  double close = bar->close;
  if (!prev_close_) {
    prev_close_ = close;
    return std::nullopt;
  }
  double r = *prev_close_ == 0 ? 0.0 : close / *prev_close_ - 1.0;
  HourStats& h = hours_[static_cast<std::size_t>(hour_of_day(bar->time, offset_))];
  std::optional<double> z;
  if (h.count > 1) {
    double var = h.m2 / (h.count - 1.0);
    z = var > 0 ? (r - h.mean) / std::sqrt(var) : 0.0;
  }
  h.count += 1.0;
  double old_mean = h.mean;
  h.mean += (r - old_mean) / h.count;
  h.m2 += (r - old_mean) * (r - h.mean);
  prev_close_ = close;
  return z;
}

}  // namespace tolvex
