// The registry: builds a boxed IndicatorEvaluator from a type name and a
// flat list of numeric parameters. Rows are declarative, one per type, and
// grouped by family; `build_indicator` searches all families.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <utility>

#include "errors.h"
#include "indicator.h"
#include "result.h"

namespace tolvex {

using IndicatorBox = std::unique_ptr<IndicatorEvaluator>;
using BuildResult = Result<IndicatorBox, StrategyError>;

// Decoders. Each reads position k of `params` for the type `name` and fails
// with InvalidParameters carrying the decoding reason.
Result<double, StrategyError> param_f64(std::span<const double> params, std::size_t k,
                                        std::string_view name);
Result<std::size_t, StrategyError> param_usize(std::span<const double> params, std::size_t k,
                                               std::string_view name);
Result<int32_t, StrategyError> param_i32(std::span<const double> params, std::size_t k,
                                         std::string_view name);
Result<uint32_t, StrategyError> param_u32(std::span<const double> params, std::size_t k,
                                          std::string_view name);

inline constexpr std::size_t kMaxParams = 12;

// The decoded parameters handed to a row's constructor, by position. Only
// the accessor matching the row's kind letter at that position is valid.
class Params {
 public:
  std::size_t usize(std::size_t k) const { return static_cast<std::size_t>(v_[k].u); }
  double f64(std::size_t k) const { return v_[k].f; }
  int32_t i32(std::size_t k) const { return static_cast<int32_t>(v_[k].i); }
  uint32_t u32(std::size_t k) const { return static_cast<uint32_t>(v_[k].u); }

 private:
  friend BuildResult build_from_row(const struct IndicatorRow&, std::span<const double>);
  struct Slot {
    double f = 0;
    uint64_t u = 0;
    int64_t i = 0;
  };
  std::array<Slot, kMaxParams> v_{};
};

// One registry row. `params` holds one kind letter per position:
// P positive integer, R finite real, I 32-bit signed, U 32-bit unsigned.
struct IndicatorRow {
  std::string_view name;
  std::string_view params;
  Result<IndicatorBox, IndicatorError> (*make)(const Params&);
};

// Boxes the result of a type's validating factory for a row's `make`.
template <class T>
Result<IndicatorBox, IndicatorError> box(Result<T, IndicatorError> r) {
  if (!r) return err(std::move(r).error());
  return IndicatorBox(std::make_unique<T>(std::move(r).value()));
}

// Decodes the parameters of `row` in position order and constructs it.
BuildResult build_from_row(const IndicatorRow& row, std::span<const double> params);

// Looks `name` up in `rows` (exact, case-sensitive) and builds it; unknown
// names give UnknownIndicatorType. Aliases are not resolved here.
BuildResult build_from(std::span<const IndicatorRow> rows, std::string_view name,
                       std::span<const double> params);

// The long name behind the aliases `Macd` and `Bollinger`; any other name
// is returned unchanged.
std::string_view resolve_alias(std::string_view name);

// The registry entry point: resolves the aliases and searches every family.
// Pure; callable from any thread. Defined beside the family table
// (registry_table.cc), so that a single family links without the others.
BuildResult build_indicator(std::string_view name, std::span<const double> params);

// Every family's rows, in family order.
std::span<const std::span<const IndicatorRow>> registry_families();

}  // namespace tolvex
