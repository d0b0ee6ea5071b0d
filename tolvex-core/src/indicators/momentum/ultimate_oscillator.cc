#include "indicators/momentum/ultimate_oscillator.h"

#include <algorithm>

namespace tolvex {

Result<UltimateOscillator, IndicatorError> UltimateOscillator::create(std::size_t p1,
                                                                      std::size_t p2,
                                                                      std::size_t p3) {
  for (std::size_t p : {p1, p2, p3})
    if (auto st = check_period(p); !st) return err(st.error());
  return UltimateOscillator(p1, p2, p3);
}

UltimateOscillator::UltimateOscillator(std::size_t p1, std::size_t p2, std::size_t p3)
    : longest_(std::max({p1, p2, p3})),
      spans_{Span{p1}, Span{p2}, Span{p3}},
      pairs_(longest_ + 1) {}

std::optional<double> UltimateOscillator::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  std::optional<double> c = prev_close_;
  prev_close_ = bar->close;
  if (!c) return std::nullopt;
  double low = std::min(bar->low, *c);
  Pair p{bar->close - low, std::max(bar->high, *c) - low};
  pairs_.push(p);
  for (Span& s : spans_) {
    s.bp += p.bp;
    s.tr += p.tr;
    if (pairs_.size() > s.length) {
      const Pair& gone = pairs_.back(s.length);
      s.bp -= gone.bp;
      s.tr -= gone.tr;
    }
  }
  if (++pushes_ >= longest_) rebuild();
  // Every span must be complete, which the longest one decides.
  if (pairs_.size() < longest_) return std::nullopt;
  double weighted = 4.0 * spans_[0].ratio() + 2.0 * spans_[1].ratio() + spans_[2].ratio();
  return weighted * 100.0 / 7.0;
}

// Recomputes every span from its pairs, oldest first, to bound the drift of
// the running sums.
void UltimateOscillator::rebuild() {
  pushes_ = 0;
  for (Span& s : spans_) {
    std::size_t held = std::min(s.length, pairs_.size());
    double bp = -0.0, tr = -0.0;
    for (std::size_t age = held; age-- > 0;) {
      bp += pairs_.back(age).bp;
      tr += pairs_.back(age).tr;
    }
    s.bp = bp;
    s.tr = tr;
  }
}

}  // namespace tolvex
