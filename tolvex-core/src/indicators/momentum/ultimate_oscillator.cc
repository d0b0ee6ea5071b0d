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
    s.add(p);
    if (pairs_.size() > s.length) s.remove(pairs_.back(s.length));
  }
  // Every span must be complete, which the longest one decides.
  if (pairs_.size() < longest_) return std::nullopt;
  double weighted = 4.0 * spans_[0].ratio() + 2.0 * spans_[1].ratio() + spans_[2].ratio();
  return weighted * 100.0 / 7.0;
}

void UltimateOscillator::Span::add(const Pair& p) {
  bp += p.bp;
  tr += p.tr;
  bp_terms += p.bp != 0.0;
  tr_terms += p.tr != 0.0;
}

void UltimateOscillator::Span::remove(const Pair& p) {
  bp -= p.bp;
  tr -= p.tr;
  bp_terms -= p.bp != 0.0;
  tr_terms -= p.tr != 0.0;
}

}  // namespace tolvex
