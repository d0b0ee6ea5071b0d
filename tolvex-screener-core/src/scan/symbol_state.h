// One symbol's evaluators and its bounded history of steps.
//
// A state owns its evaluators and records; it is used by one thread at a
// time and may move between threads. It reads the Program it was compiled
// from on every step, so the Program must outlive it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "indicator.h"
#include "registry.h"
#include "result.h"
#include "scan/program.h"
#include "screener_error.h"

namespace tolvex::screener {

class SymbolState {
 public:
  // Takes one evaluator per plan of `program`, in plan order.
  SymbolState(const Program& program, std::vector<IndicatorBox> evaluators);

  // Feeds one step (its bar is `input.candle`) to every evaluator and
  // records the outputs the program reads. Never fails; allocates only
  // while the history is still growing towards its capacity.
  void step(const IndicatorInput& input);

  bool ready() const { return ready_; }
  std::uint64_t steps() const { return steps_; }
  std::uint64_t warmup() const { return warmup_; }
  std::uint64_t history_len() const { return history_len_; }
  // Records currently kept: min(steps, history_len).
  std::uint64_t stored() const { return size_; }

  // The bar of the step `i` steps back (0: latest), or nullptr beyond the
  // history.
  const Candle* candle_at(std::uint64_t i) const {
    return i < size_ ? &candles_[physical(i)] : nullptr;
  }
  // The value stored in `slot` at the step `i` steps back, if any.
  std::optional<double> slot_at(std::uint64_t i, std::uint32_t slot) const {
    if (i >= size_) return std::nullopt;
    const std::size_t at = physical(i) * slots_ + slot;
    if (!present_[at]) return std::nullopt;
    return values_[at];
  }

 private:
  std::size_t physical(std::uint64_t i) const {
    return static_cast<std::size_t>((head_ + size_ - i) % size_);
  }

  const Program* program_;
  std::vector<IndicatorBox> evaluators_;
  std::uint64_t warmup_ = 0;
  std::uint64_t steps_ = 0;
  std::uint64_t history_len_ = 2;
  bool ready_ = false;
  std::size_t slots_ = 0;
  // The ring: record r holds candles_[r] and the slots_ values from
  // values_[r * slots_]. It grows until it holds history_len_ records and
  // is overwritten in place afterwards; head_ is the newest record.
  std::vector<Candle> candles_;
  std::vector<double> values_;
  std::vector<std::uint8_t> present_;
  std::uint64_t size_ = 0;
  std::uint64_t head_ = 0;
};

// Builds a fresh state for one symbol: every evaluator from the registry.
// An unknown name or a rejected parameter is UnknownIndicator with the type
// name, ": " and the registry's message.
Result<SymbolState, ScreenerError> compile_symbol(const Program& program);

}  // namespace tolvex::screener
