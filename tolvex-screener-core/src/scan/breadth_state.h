// Per-symbol state of the market-breadth snapshot that a step-synchronised
// scan synthesises: change, volume, new-high/new-low flags over `period`
// bars, close above its `ma_period` average, and a point-and-figure buy
// signal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "records.h"
#include "result.h"
#include "scan/point_figure.h"
#include "screener_error.h"

namespace tolvex::screener {

struct BreadthSettings {
  uint64_t period = 52;
  uint64_t ma_period = 200;
  double pnf_box = 0.01;
  uint64_t pnf_reversal = 3;
};

// Largest (or smallest) of the last `window` pushed values, NaN entries
// ignored. The window length has no upper bound, so storage grows only
// with the values actually queued (doubling, never shrinking); once it has
// grown, pushing allocates nothing.
class NanSkippingExtreme {
 public:
  NanSkippingExtreme(uint64_t window, bool max) : window_(window), max_(max) {}
  bool empty() const { return pushed_ == 0; }
  // The extreme of the window, or -inf/+inf when it holds only NaN.
  double extreme() const;
  void push(double v);

 private:
  struct Entry {
    uint64_t seq;
    double value;
  };
  Entry& at(std::size_t i) { return ring_[(head_ + i) & (ring_.size() - 1)]; }
  const Entry& at(std::size_t i) const { return ring_[(head_ + i) & (ring_.size() - 1)]; }
  void grow();

  uint64_t window_;
  bool max_;
  uint64_t pushed_ = 0;
  // Monotonic queue, oldest first: `size_` entries from `head_` in a ring
  // whose length is a power of two.
  std::vector<Entry> ring_;
  std::size_t head_ = 0;
  std::size_t size_ = 0;
};

class BreadthState {
 public:
  // Fails with the "breadth ma_period: " BadSpec error for an average
  // longer than the library's longest window.
  static Result<BreadthState, ScreenerError> make(const BreadthSettings& settings);

  // Feeds one bar and returns its snapshot member. The first bar fixes the
  // chart's box and may fail with a "breadth point-and-figure: " BadSpec.
  Result<CrossSectionMember, ScreenerError> update(const Candle& bar);

 private:
  explicit BreadthState(const BreadthSettings& s)
      : settings_(s), highs_(s.period, true), lows_(s.period, false) {}
  void add_close(double close);

  BreadthSettings settings_;
  std::optional<double> prev_close_;
  NanSkippingExtreme highs_;
  NanSkippingExtreme lows_;
  std::vector<double> closes_;  // grows to ma_period, then a ring
  std::size_t slot_ = 0;
  double sum_ = 0;
  uint64_t since_resum_ = 0;
  bool above_ma_ = false;
  std::optional<PointFigureChart> chart_;
};

// Fills `out` with the snapshot of one step and returns true, or returns
// false when some member's change is not finite or its volume is not finite
// and non-negative (the step then has no synthesised snapshot). Reuses the
// storage of `out`.
bool fill_snapshot(CrossSection& out, int64_t time, std::span<const CrossSectionMember> members);

}  // namespace tolvex::screener
