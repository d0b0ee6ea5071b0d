#include "scan/synchronised.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tolvex::screener {

IndicatorInput own_input(const SymbolSeries& s, std::size_t i) {
  IndicatorInput in{std::nullopt, std::nullopt, s.candles[i], {}, nullptr, nullptr};
  if (s.reference) in.reference = (*s.reference)[i].close;
  if (s.derivs) in.deriv = (*s.derivs)[i];
  if (s.trades) in.trades = (*s.trades)[i];
  if (s.books) in.orderbook = &(*s.books)[i];
  if (s.sections) in.cross_section = &(*s.sections)[i];
  return in;
}

Status<ScreenerError> step_synchronised(
    std::span<const SymbolSeries* const> series, std::optional<std::size_t> reference_symbol,
    std::span<BreadthState> breadth,
    const std::function<void(std::size_t, const IndicatorInput&)>& step) {
  std::vector<std::int64_t> timeline;
  for (const SymbolSeries* s : series)
    for (const Candle& c : s->candles) timeline.push_back(c.time);
  std::sort(timeline.begin(), timeline.end());
  timeline.erase(std::unique(timeline.begin(), timeline.end()), timeline.end());

  // A candle that does not carry the current timestamp holds its symbol
  // back, so a series out of time order stops at its first step back.
  std::vector<std::size_t> cursor(series.size(), 0);
  std::vector<std::size_t> active;
  std::vector<CrossSectionMember> members;
  CrossSection snapshot;
  std::optional<double> reference;
  for (const std::int64_t t : timeline) {
    active.clear();
    members.clear();
    for (std::size_t k = 0; k < series.size(); ++k) {
      const std::vector<Candle>& candles = series[k]->candles;
      if (cursor[k] >= candles.size() || candles[cursor[k]].time != t) continue;
      active.push_back(k);
      Result<CrossSectionMember, ScreenerError> m = breadth[k].update(candles[cursor[k]]);
      if (!m) return err(std::move(m).error());
      members.push_back(*m);
      if (reference_symbol == k) reference = candles[cursor[k]].close;
    }
    const bool has_snapshot = fill_snapshot(snapshot, t, members);
    for (const std::size_t k : active) {
      const SymbolSeries& s = *series[k];
      IndicatorInput in = own_input(s, cursor[k]);
      if (!s.reference) in.reference = reference;
      if (!s.sections && has_snapshot) in.cross_section = &snapshot;
      step(k, in);
      ++cursor[k];
    }
  }
  return Unit{};
}

}  // namespace tolvex::screener
