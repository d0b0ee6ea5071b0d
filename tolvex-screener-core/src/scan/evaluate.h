// Evaluating a compiled specification against stepped symbol states.
//
// Evaluation never fails and never changes a state: a missing step, a
// missing output or a non-finite arithmetic result is an undefined value,
// and every comparison that meets one is false.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scan/program.h"
#include "scan/symbol_state.h"

namespace tolvex::screener {

// The value of expression node `expr` at the step `i` steps back.
std::optional<double> value_at(const Program& program, std::uint32_t expr, const SymbolState& state,
                               std::uint64_t i);

// True when `x op v` holds for a plain number comparison: gt, ge, lt, le,
// eq and ne with the relative tolerance 1e-9 x max(1, |x|, |v|); the
// crossing operators are never true here.
bool compare(CmpOp op, double x, double v);

// Evaluates conditions for the symbols of one universe (ordered by symbol).
// Universe-wide results (cross-section metrics, breadth shares) are the
// same for every symbol, so each is computed once per evaluator object and
// reused. The states must not change while the object is in use.
class ConditionEvaluator {
 public:
  ConditionEvaluator(const Program& program, std::span<const SymbolState* const> universe);

  // Whether condition node `cond` holds for the symbol at index `symbol`
  // of the universe, at its latest step.
  bool holds(std::uint32_t cond, std::size_t symbol);
  bool holds(std::size_t symbol) { return holds(program_.root, symbol); }

  // Adds the values reported for a matching symbol, rounded to 8 decimals,
  // under their labels.
  void collect_values(std::uint32_t cond, std::size_t symbol, std::map<std::string, double>& out);
  void collect_values(std::size_t symbol, std::map<std::string, double>& out) {
    collect_values(program_.root, symbol, out);
  }

 private:
  std::optional<double> now(const Operand& o, std::size_t symbol) const {
    return value_at(program_, o.expr, *universe_[symbol], 0);
  }
  // The metric of every universe member for a CrossSection node; NaN
  // stands for "not a member" (members' metrics are always numbers).
  const std::vector<double>& metrics(const CondNode& node);
  double share(const CondNode& node);

  const Program& program_;
  std::span<const SymbolState* const> universe_;
  std::vector<std::vector<double>> metric_cache_;
  std::vector<std::optional<double>> share_cache_;
};

}  // namespace tolvex::screener
