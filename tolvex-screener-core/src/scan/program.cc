#include "scan/program.h"

#include <algorithm>
#include <map>
#include <type_traits>

namespace tolvex::screener {

namespace {

class Compiler {
 public:
  explicit Compiler(Program& p) : p_(p) {}

  std::uint32_t condition(const Condition& c) {
    CondNode node;
    std::visit([&](const auto& v) { fill(node, v); }, c.node);
    p_.conds.push_back(std::move(node));
    return static_cast<std::uint32_t>(p_.conds.size() - 1);
  }

  Operand operand(const Expr& e, bool top_level) {
    if (top_level)
      if (const auto* ind = e.as<Expr::Indicator>()) p_.top_level_indicators.push_back(ind->name);
    Operand op;
    op.expr = expr(e);
    op.is_const = e.as<Expr::Const>() != nullptr;
    op.label = e.label();
    return op;
  }

  // Largest look-back of the condition tree, in steps.
  static std::uint64_t reach(const Program& p, std::uint32_t cond);
  static std::uint64_t expr_reach(const Program& p, std::uint32_t e);

 private:
  std::uint32_t intern(const std::string& label) {
    auto [it, inserted] = slots_.try_emplace(label, static_cast<std::uint32_t>(slots_.size()));
    if (inserted) p_.slot_labels.push_back(label);
    return it->second;
  }

  std::uint32_t push(ExprNode n) {
    p_.exprs.push_back(n);
    return static_cast<std::uint32_t>(p_.exprs.size() - 1);
  }

  std::uint32_t expr(const Expr& e) {
    return std::visit(
        [&](const auto& v) -> std::uint32_t {
          using T = std::decay_t<decltype(v)>;
          ExprNode n;
          if constexpr (std::is_same_v<T, Expr::Const>) {
            n.kind = ExprNode::Kind::Const;
            n.value = v.value;
          } else if constexpr (std::is_same_v<T, Expr::Price>) {
            n.kind = ExprNode::Kind::Price;
            n.field = v.field;
          } else if constexpr (std::is_same_v<T, Expr::Indicator>) {
            n.kind = ExprNode::Kind::Slot;
            n.a = indicator(v);
          } else if constexpr (std::is_same_v<T, Expr::Prev>) {
            n.kind = ExprNode::Kind::Prev;
            n.bars = v.bars;
            n.a = expr(*v.of);
          } else {
            constexpr ArithOp op = T::kOp;
            n.kind = op == ArithOp::Add   ? ExprNode::Kind::Add
                     : op == ArithOp::Sub ? ExprNode::Kind::Sub
                     : op == ArithOp::Mul ? ExprNode::Kind::Mul
                                          : ExprNode::Kind::Div;
            n.a = expr(*v.left);
            n.b = expr(*v.right);
          }
          return push(n);
        },
        e.node);
  }

  // Registers the evaluator on first use and returns the slot the
  // expression reads.
  std::uint32_t indicator(const Expr::Indicator& ind) {
    const std::string base = ind.base_label();
    auto it = std::find_if(p_.evaluators.begin(), p_.evaluators.end(),
                           [&](const EvaluatorPlan& e) { return e.label == base; });
    if (it == p_.evaluators.end()) {
      EvaluatorPlan plan;
      plan.label = base;
      plan.name = ind.name;
      plan.params = ind.params;
      plan.slot = intern(base);
      p_.evaluators.push_back(std::move(plan));
      it = p_.evaluators.end() - 1;
    }
    if (!ind.field) return it->slot;
    const std::uint32_t slot = intern(base + "." + *ind.field);
    const bool known =
        std::any_of(it->fields.begin(), it->fields.end(),
                    [&](const EvaluatorPlan::Field& f) { return f.name == *ind.field; });
    if (!known) it->fields.push_back({*ind.field, slot});
    return slot;
  }

  void fill(CondNode& n, const Condition::Cmp& c) {
    n.kind = CondNode::Kind::Cmp;
    n.op = c.op;
    n.operands.push_back(operand(c.left, true));
    n.operands.push_back(operand(c.right, true));
  }
  void fill(CondNode& n, const Condition::CrossSection& c) {
    n.kind = CondNode::Kind::CrossSection;
    n.op = c.op;
    n.metric = c.metric;
    n.value = c.value;
    n.operands.push_back(operand(c.expr, true));
    n.extra_label = n.operands[0].label + "#" + std::string(to_string(c.metric));
    n.cache = p_.cache_entries++;
  }
  void fill(CondNode& n, const Condition::Breadth& c) {
    n.kind = CondNode::Kind::Breadth;
    n.op = c.op;
    n.value = c.ratio;
    n.cache = p_.cache_entries++;
    n.children.push_back(condition(*c.inner));
  }
  void fill(CondNode& n, const Condition::Between& c) {
    n.kind = CondNode::Kind::Between;
    n.operands.push_back(operand(c.value, true));
    n.operands.push_back(operand(c.low, true));
    n.operands.push_back(operand(c.high, true));
  }
  void fill_lookback(CondNode& n, CondNode::Kind kind, const Expr& e, std::uint32_t bars) {
    n.kind = kind;
    n.bars = bars;
    n.operands.push_back(operand(e, true));
    n.extra_label = "prev(" + n.operands[0].label + "," + std::to_string(bars) + ")";
  }
  void fill(CondNode& n, const Condition::Rising& c) {
    fill_lookback(n, CondNode::Kind::Rising, c.expr, c.bars);
  }
  void fill(CondNode& n, const Condition::Falling& c) {
    fill_lookback(n, CondNode::Kind::Falling, c.expr, c.bars);
  }
  void fill(CondNode& n, const Condition::All& c) {
    n.kind = CondNode::Kind::All;
    for (const Condition& m : c.conditions) n.children.push_back(condition(m));
  }
  void fill(CondNode& n, const Condition::Any& c) {
    n.kind = CondNode::Kind::Any;
    for (const Condition& m : c.conditions) n.children.push_back(condition(m));
  }
  void fill(CondNode& n, const Condition::Not& c) {
    n.kind = CondNode::Kind::Not;
    n.children.push_back(condition(*c.condition));
  }

  Program& p_;
  std::map<std::string, std::uint32_t> slots_;
};

std::uint64_t Compiler::expr_reach(const Program& p, std::uint32_t e) {
  const ExprNode& n = p.exprs[e];
  switch (n.kind) {
    case ExprNode::Kind::Prev:
      return n.bars + expr_reach(p, n.a);
    case ExprNode::Kind::Add:
    case ExprNode::Kind::Sub:
    case ExprNode::Kind::Mul:
    case ExprNode::Kind::Div:
      return std::max(expr_reach(p, n.a), expr_reach(p, n.b));
    default:
      return 0;
  }
}

std::uint64_t Compiler::reach(const Program& p, std::uint32_t c) {
  const CondNode& n = p.conds[c];
  std::uint64_t r = 0;
  for (const Operand& o : n.operands) r = std::max(r, expr_reach(p, o.expr));
  if (n.kind == CondNode::Kind::Cmp && (n.op == CmpOp::CrossesAbove || n.op == CmpOp::CrossesBelow))
    r += 1;
  if (n.kind == CondNode::Kind::Rising || n.kind == CondNode::Kind::Falling) r += n.bars;
  for (std::uint32_t child : n.children) r = std::max(r, reach(p, child));
  return r;
}

}  // namespace

Program compile_program(const ScanSpec& spec) {
  Program p;
  Compiler c(p);
  // Children are pushed before their parent, so the root is the last node.
  p.root = c.condition(spec.condition);
  std::uint64_t reach = Compiler::reach(p, p.root);
  if (spec.rank) {
    p.rank = c.operand(spec.rank->by, true);
    p.rank_desc = spec.rank->desc;
    reach = std::max(reach, Compiler::expr_reach(p, p.rank->expr));
  }
  p.history_len = reach < 2 ? 2 : reach + 1;
  return p;
}

}  // namespace tolvex::screener
