#include "scan/breadth_state.h"

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "window.h"

namespace tolvex::screener {

double NanSkippingExtreme::extreme() const {
  if (size_ == 0)
    return max_ ? -std::numeric_limits<double>::infinity()
                : std::numeric_limits<double>::infinity();
  return at(0).value;
}

void NanSkippingExtreme::grow() {
  std::vector<Entry> bigger(ring_.empty() ? 8 : ring_.size() * 2);
  for (std::size_t i = 0; i < size_; ++i) bigger[i] = at(i);
  ring_ = std::move(bigger);
  head_ = 0;
}

void NanSkippingExtreme::push(double v) {
  const uint64_t t = pushed_++;
  while (size_ > 0 && t - at(0).seq >= window_) {
    head_ = (head_ + 1) & (ring_.size() - 1);
    --size_;
  }
  if (std::isnan(v)) return;
  while (size_ > 0 && (max_ ? at(size_ - 1).value <= v : at(size_ - 1).value >= v)) --size_;
  if (size_ == ring_.size()) grow();
  at(size_++) = {t, v};
}

Result<BreadthState, ScreenerError> BreadthState::make(const BreadthSettings& settings) {
  if (settings.ma_period > MAX_PERIOD)
    return err(ScreenerError::bad_spec("breadth ma_period: invalid period: " +
                                       std::string(kMaxPeriodMessage)));
  return BreadthState(settings);
}

void BreadthState::add_close(double close) {
  const uint64_t n = settings_.ma_period;
  if (closes_.size() < n) {
    closes_.push_back(close);
    sum_ += close;
  } else {
    const double replaced = closes_[slot_];
    closes_[slot_] = close;
    sum_ = close + (sum_ - replaced);
  }
  slot_ = slot_ + 1 == n ? 0 : slot_ + 1;
  // Re-sum now and then so that rounding drift cannot accumulate.
  if (++since_resum_ >= 16 * n) {
    double s = 0;
    const std::size_t size = closes_.size();
    const std::size_t oldest = size < n ? 0 : slot_;
    for (std::size_t k = 0; k < size; ++k) s += closes_[(oldest + k) % size];
    sum_ = s;
    since_resum_ = 0;
  }
  if (closes_.size() == n) above_ma_ = close > sum_ / static_cast<double>(n);
}

Result<CrossSectionMember, ScreenerError> BreadthState::update(const Candle& bar) {
  const bool new_high = !highs_.empty() && bar.high > highs_.extreme();
  const bool new_low = !lows_.empty() && bar.low < lows_.extreme();
  highs_.push(bar.high);
  lows_.push(bar.low);

  if (std::isfinite(bar.close)) add_close(bar.close);

  if (!chart_) {
    const double box = std::fabs(bar.close) * settings_.pnf_box;
    if (!std::isfinite(box) || !(box > 0))
      return err(ScreenerError::bad_spec(
          "breadth point-and-figure: invalid period: box_size must be finite and positive"));
    if (settings_.pnf_reversal > MAX_PERIOD)
      return err(ScreenerError::bad_spec("breadth point-and-figure: invalid period: " +
                                         std::string(kMaxPeriodMessage)));
    chart_.emplace(box, static_cast<double>(settings_.pnf_reversal));
  }
  if (bar.is_valid()) chart_->update(bar.close);

  const double change = prev_close_ ? bar.close - *prev_close_ : 0.0;
  prev_close_ = bar.close;

  CrossSectionMember m;
  m.change = change;
  m.volume = bar.volume < 0 ? 0.0 : bar.volume;
  m.new_high = new_high;
  m.new_low = new_low;
  m.above_ma = above_ma_;
  m.pnf_buy = chart_->buy();
  return m;
}

bool fill_snapshot(CrossSection& out, int64_t time, std::span<const CrossSectionMember> members) {
  if (members.empty()) return false;
  for (const CrossSectionMember& m : members)
    if (!std::isfinite(m.change) || !std::isfinite(m.volume) || m.volume < 0) return false;
  out.timestamp = time;
  out.members.assign(members.begin(), members.end());
  return true;
}

}  // namespace tolvex::screener
