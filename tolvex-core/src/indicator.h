// The contract every indicator type implements: a stateful streaming
// evaluator fed one IndicatorInput per step, oldest step first.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "records.h"

namespace tolvex {

// One named output of a multi-valued type. `name` points at static text.
struct NamedOutput {
  std::string_view name;
  double value;
};

inline constexpr std::size_t kMaxOutputs = 16;

// A fixed-capacity list of named outputs. Copying it never allocates, so a
// type can publish its outputs on every update at no heap cost.
class OutputList {
 public:
  OutputList() = default;
  OutputList(std::initializer_list<NamedOutput> items) {
    for (const NamedOutput& o : items) push(o.name, o.value);
  }
  // Copies only the filled slots: outputs are copied on every step.
  OutputList(const OutputList& other) : size_(other.size_) {
    for (std::size_t i = 0; i < size_; ++i) items_[i] = other.items_[i];
  }
  OutputList& operator=(const OutputList& other) {
    size_ = other.size_;
    for (std::size_t i = 0; i < size_; ++i) items_[i] = other.items_[i];
    return *this;
  }

  void clear() { size_ = 0; }
  void push(std::string_view name, double value) {
    if (size_ < kMaxOutputs) items_[size_++] = NamedOutput{name, value};
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const NamedOutput& operator[](std::size_t i) const { return items_[i]; }
  const NamedOutput* begin() const { return items_.data(); }
  const NamedOutput* end() const { return items_.data() + size_; }
  // The value of the output `name`, if the list holds it.
  std::optional<double> find(std::string_view name) const {
    for (const NamedOutput& o : *this)
      if (o.name == name) return o.value;
    return std::nullopt;
  }

 private:
  // Slots past size_ are never read, so they are left uninitialised.
  std::array<NamedOutput, kMaxOutputs> items_;
  std::size_t size_ = 0;
};

// The per-step input. A borrowed view: valid only during one `update` call;
// an evaluator copies whatever it keeps and never holds on to a member.
struct IndicatorInput {
  // Close of the reference series at this step.
  std::optional<double> reference;
  std::optional<DerivativesTick> deriv;
  // This step's bar, always present.
  const Candle& candle;
  // This step's trade prints in feed order; empty when none were supplied.
  std::span<const TradePrint> trades;
  const OrderBook* orderbook = nullptr;
  const CrossSection* cross_section = nullptr;
};

// A streaming indicator. Used by one thread at a time; may move between
// threads. `update` never fails: unusable input (a non-finite number, an
// invalid bar, an absent side feed) yields no value and leaves the state
// exactly as it was.
class IndicatorEvaluator {
 public:
  virtual ~IndicatorEvaluator() = default;

  // Consumes one step; returns the primary value for it, if any.
  virtual std::optional<double> update(const IndicatorInput& input) = 0;
  // The named outputs of the most recent update that returned a value, all
  // names in their fixed order; empty before the first value and for
  // single-valued types.
  virtual OutputList fields() const { return {}; }
  // Steps of clean input after which the type is designed to give its
  // first value. Constant for the evaluator's life.
  virtual std::size_t warmup() const = 0;
};

// Base for multi-valued types: keeps the current outputs and hands out
// copies. `publish` replaces them and returns the primary (first) value.
class MultiOutputEvaluator : public IndicatorEvaluator {
 public:
  OutputList fields() const override { return outputs_; }

 protected:
  double publish(std::initializer_list<NamedOutput> items) {
    outputs_.clear();
    for (const NamedOutput& o : items) outputs_.push(o.name, o.value);
    return outputs_[0].value;
  }
  OutputList outputs_;
};

// The close of the step when it is finite; the input rule of every type
// that reads one number per step.
inline std::optional<double> finite_close(const IndicatorInput& in) {
  if (!std::isfinite(in.candle.close)) return std::nullopt;
  return in.candle.close;
}

// The validated bar of the step, or nothing when the bar fails validation.
inline std::optional<Candle> valid_bar(const IndicatorInput& in) {
  if (!in.candle.is_valid()) return std::nullopt;
  return in.candle;
}

// Midpoint that cannot overflow for finite inputs.
inline double midpoint(double a, double b) {
  constexpr double kHalfMax = 8.988465674311579e307;
  if (std::fabs(a) > kHalfMax || std::fabs(b) > kHalfMax) return a * 0.5 + b * 0.5;
  return (a + b) * 0.5;
}

}  // namespace tolvex
