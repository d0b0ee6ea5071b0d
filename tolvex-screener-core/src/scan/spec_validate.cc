// The specification rules, checked in a fixed order; the first failure wins.
#include <algorithm>
#include <cmath>

#include "scan/spec.h"

namespace tolvex::screener {

namespace {

// Depth-first, left to right through the boolean and breadth nodes; the
// leaves (comparisons, ranges, rising/falling, cross-section) end the walk.
template <class F>
bool any_node(const Condition& c, const F& pred) {
  if (pred(c)) return true;
  if (auto* n = c.as<Condition::Not>()) return any_node(*n->condition, pred);
  if (auto* b = c.as<Condition::Breadth>()) return any_node(*b->inner, pred);
  const std::vector<Condition>* members = nullptr;
  if (auto* a = c.as<Condition::All>()) members = &a->conditions;
  if (auto* a = c.as<Condition::Any>()) members = &a->conditions;
  if (members) {
    for (const Condition& m : *members)
      if (any_node(m, pred)) return true;
  }
  return false;
}

bool zero_lookback(const Condition& c) {
  if (auto* r = c.as<Condition::Rising>()) return r->bars == 0;
  if (auto* f = c.as<Condition::Falling>()) return f->bars == 0;
  return false;
}

bool is_breadth(const Condition& c) {
  return c.as<Condition::Breadth>() != nullptr;
}

bool nested_breadth(const Condition& c) {
  auto* b = c.as<Condition::Breadth>();
  return b && any_node(*b->inner, is_breadth);
}

}  // namespace

Status<std::string> validate_spec(const ScanSpec& spec) {
  if (spec.universe.empty()) return err(std::string("universe is empty"));
  if (spec.limit && *spec.limit == 0) return err(std::string("limit must be greater than 0"));
  if (spec.reference && std::find(spec.universe.begin(), spec.universe.end(), *spec.reference) ==
                            spec.universe.end()) {
    return err("reference symbol " + *spec.reference + " is not in the universe");
  }
  if (spec.breadth) {
    const BreadthSpec& b = *spec.breadth;
    if (b.period && *b.period == 0)
      return err(std::string("breadth period must be greater than 0"));
    if (b.ma_period && *b.ma_period == 0)
      return err(std::string("breadth ma_period must be greater than 0"));
    if (b.pnf_box && !(std::isfinite(*b.pnf_box) && *b.pnf_box > 0))
      return err(std::string("breadth pnf_box must be a positive fraction of price"));
    if (b.pnf_reversal && *b.pnf_reversal == 0)
      return err(std::string("breadth pnf_reversal must be greater than 0"));
  }
  if (any_node(spec.condition, zero_lookback))
    return err(std::string("rising/falling needs a lookback of at least 1 bar"));
  if (any_node(spec.condition, nested_breadth))
    return err(std::string("breadth condition nested inside another breadth"));
  return Unit{};
}

}  // namespace tolvex::screener
