// A specification compiled for evaluation. Labels are resolved once into
// slot indices: a step writes each indicator output into a fixed slot of a
// preallocated record, and evaluation reads slots by index, so neither
// stepping nor evaluating builds strings or searches maps.
//
// A Program is immutable once compiled and may be shared read-only by any
// number of threads. States stepped with it keep a pointer to it: it must
// outlive them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scan/spec.h"

namespace tolvex::screener {

// One node of an expression, stored in a flat array; children are indices.
struct ExprNode {
  enum class Kind : std::uint8_t { Const, Price, Slot, Prev, Add, Sub, Mul, Div };
  Kind kind = Kind::Const;
  PriceField field = PriceField::Close;  // Price
  std::uint32_t a = 0;                   // Slot: the slot; Prev and arithmetic: first child
  std::uint32_t b = 0;                   // arithmetic: second child
  std::uint32_t bars = 0;                // Prev
  double value = 0;                      // Const
};

// A condition operand: the root of its expression and the label under which
// its value is reported.
struct Operand {
  std::uint32_t expr = 0;
  bool is_const = false;
  std::string label;
};

struct CondNode {
  enum class Kind : std::uint8_t {
    Cmp,
    CrossSection,
    Breadth,
    Between,
    Rising,
    Falling,
    All,
    Any,
    Not
  };
  Kind kind = Kind::All;
  CmpOp op = CmpOp::Gt;
  CrossSectionMetric metric = CrossSectionMetric::Rank;
  double value = 0;        // CrossSection: threshold; Breadth: ratio
  std::uint32_t bars = 0;  // Rising / Falling
  // Cmp: left, right. Between: value, low, high. Rising / Falling /
  // CrossSection: the expression.
  std::vector<Operand> operands;
  // Rising / Falling: "prev(label,bars)". CrossSection: "label#metric".
  std::string extra_label;
  // Breadth / Not: the inner condition; All / Any: the members.
  std::vector<std::uint32_t> children;
  // CrossSection / Breadth: index of this node's universe-wide cache entry.
  std::uint32_t cache = 0;
};

// One distinct indicator: built once per symbol, written into `slot`, and
// the named outputs that the specification reads written into theirs.
struct EvaluatorPlan {
  struct Field {
    std::string name;
    std::uint32_t slot = 0;
  };
  std::string label;  // without field, e.g. "BollingerBands(20,2)"
  std::string name;
  std::vector<double> params;
  std::uint32_t slot = 0;
  std::vector<Field> fields;
};

struct Program {
  std::vector<EvaluatorPlan> evaluators;  // first-use order
  std::vector<std::string> slot_labels;   // label of every slot
  std::vector<ExprNode> exprs;
  std::vector<CondNode> conds;
  std::uint32_t root = 0;
  std::uint32_t cache_entries = 0;  // CrossSection and Breadth nodes
  std::optional<Operand> rank;
  bool rank_desc = false;
  // Records kept per symbol: at least 2, else the deepest look-back + 1.
  std::uint64_t history_len = 2;
  // Indicators that are direct operands of a condition, then the rank
  // expression when it is an indicator, in collection order: the feed check
  // visits these and only these.
  std::vector<std::string> top_level_indicators;
};

Program compile_program(const ScanSpec& spec);

}  // namespace tolvex::screener
