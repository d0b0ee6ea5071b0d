#include "scan/evaluate.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "scan/cross_section_metric.h"
#include "scan/number_writer.h"

namespace tolvex::screener {

namespace {

bool within_tolerance(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

bool beyond_tolerance(double a, double b) {
  return std::fabs(a - b) > 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

double price_field(const Candle& c, PriceField f) {
  switch (f) {
    case PriceField::Open:
      return c.open;
    case PriceField::High:
      return c.high;
    case PriceField::Low:
      return c.low;
    case PriceField::Close:
      return c.close;
    case PriceField::Volume:
      return c.volume;
    case PriceField::Hlc3:
      return ((c.high + c.low) + c.close) / 3;
    case PriceField::Ohlc4:
      return (((c.open + c.high) + c.low) + c.close) * 0.25;
  }
  return c.close;
}

void report(std::map<std::string, double>& out, const std::string& label, std::optional<double> v) {
  if (v && std::isfinite(*v)) out.insert_or_assign(label, round8(*v));
}

}  // namespace

std::optional<double> value_at(const Program& p, std::uint32_t expr, const SymbolState& s,
                               std::uint64_t i) {
  const ExprNode& n = p.exprs[expr];
  switch (n.kind) {
    case ExprNode::Kind::Const:
      return n.value;
    case ExprNode::Kind::Price: {
      const Candle* c = s.candle_at(i);
      if (!c) return std::nullopt;
      return price_field(*c, n.field);
    }
    case ExprNode::Kind::Slot:
      return s.slot_at(i, n.a);
    case ExprNode::Kind::Prev:
      return value_at(p, n.a, s, i + n.bars);
    default:
      break;
  }
  const std::optional<double> l = value_at(p, n.a, s, i);
  if (!l) return std::nullopt;
  const std::optional<double> r = value_at(p, n.b, s, i);
  if (!r) return std::nullopt;
  double v;
  switch (n.kind) {
    case ExprNode::Kind::Add:
      v = *l + *r;
      break;
    case ExprNode::Kind::Sub:
      v = *l - *r;
      break;
    case ExprNode::Kind::Mul:
      v = *l * *r;
      break;
    default:
      v = *l / *r;
      break;
  }
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

bool compare(CmpOp op, double x, double v) {
  switch (op) {
    case CmpOp::Gt:
      return x > v;
    case CmpOp::Ge:
      return x >= v;
    case CmpOp::Lt:
      return x < v;
    case CmpOp::Le:
      return x <= v;
    case CmpOp::Eq:
      return within_tolerance(x, v);
    case CmpOp::Ne:
      return beyond_tolerance(x, v);
    case CmpOp::CrossesAbove:
    case CmpOp::CrossesBelow:
      return false;
  }
  return false;
}

ConditionEvaluator::ConditionEvaluator(const Program& program,
                                       std::span<const SymbolState* const> universe)
    : program_(program),
      universe_(universe),
      metric_cache_(program.cache_entries),
      share_cache_(program.cache_entries) {}

const std::vector<double>& ConditionEvaluator::metrics(const CondNode& node) {
  std::vector<double>& cached = metric_cache_[node.cache];
  if (!cached.empty() || universe_.empty()) return cached;
  std::vector<double> values;
  std::vector<std::size_t> members;
  for (std::size_t s = 0; s < universe_.size(); ++s) {
    if (!universe_[s]->ready()) continue;
    const std::optional<double> v = now(node.operands[0], s);
    if (!v || !std::isfinite(*v)) continue;
    values.push_back(*v);
    members.push_back(s);
  }
  std::vector<double> metric(values.size());
  cross_section_metric(node.metric, values, metric);
  cached.assign(universe_.size(), std::numeric_limits<double>::quiet_NaN());
  for (std::size_t k = 0; k < members.size(); ++k) cached[members[k]] = metric[k];
  return cached;
}

double ConditionEvaluator::share(const CondNode& node) {
  std::optional<double>& cached = share_cache_[node.cache];
  if (cached) return *cached;
  std::size_t ready = 0;
  std::size_t holding = 0;
  for (std::size_t s = 0; s < universe_.size(); ++s) {
    if (!universe_[s]->ready()) continue;
    ++ready;
    if (holds(node.children[0], s)) ++holding;
  }
  cached = ready == 0 ? 0.0 : static_cast<double>(holding) / static_cast<double>(ready);
  return *cached;
}

bool ConditionEvaluator::holds(std::uint32_t cond, std::size_t symbol) {
  const CondNode& n = program_.conds[cond];
  const SymbolState& state = *universe_[symbol];
  switch (n.kind) {
    case CondNode::Kind::Cmp: {
      const std::optional<double> l = now(n.operands[0], symbol);
      const std::optional<double> r = now(n.operands[1], symbol);
      if (!l || !r) return false;
      if (n.op != CmpOp::CrossesAbove && n.op != CmpOp::CrossesBelow) return compare(n.op, *l, *r);
      const std::optional<double> l1 = value_at(program_, n.operands[0].expr, state, 1);
      const std::optional<double> r1 = value_at(program_, n.operands[1].expr, state, 1);
      if (!l1 || !r1) return false;
      if (n.op == CmpOp::CrossesAbove) return *l > *r && *l1 <= *r1;
      return *l < *r && *l1 >= *r1;
    }
    case CondNode::Kind::CrossSection: {
      const double x = metrics(n)[symbol];
      return !std::isnan(x) && compare(n.op, x, n.value);
    }
    case CondNode::Kind::Breadth:
      return compare(n.op, share(n), n.value);
    case CondNode::Kind::Between: {
      const std::optional<double> v = now(n.operands[0], symbol);
      const std::optional<double> lo = now(n.operands[1], symbol);
      const std::optional<double> hi = now(n.operands[2], symbol);
      return v && lo && hi && *lo <= *v && *v <= *hi;
    }
    case CondNode::Kind::Rising:
    case CondNode::Kind::Falling: {
      const std::optional<double> v0 = now(n.operands[0], symbol);
      const std::optional<double> vb = value_at(program_, n.operands[0].expr, state, n.bars);
      if (!v0 || !vb) return false;
      return n.kind == CondNode::Kind::Rising ? *v0 > *vb : *v0 < *vb;
    }
    case CondNode::Kind::All:
      for (std::uint32_t c : n.children)
        if (!holds(c, symbol)) return false;
      return true;
    case CondNode::Kind::Any:
      for (std::uint32_t c : n.children)
        if (holds(c, symbol)) return true;
      return false;
    case CondNode::Kind::Not:
      return !holds(n.children[0], symbol);
  }
  return false;
}

void ConditionEvaluator::collect_values(std::uint32_t cond, std::size_t symbol,
                                        std::map<std::string, double>& out) {
  const CondNode& n = program_.conds[cond];
  for (const Operand& o : n.operands)
    if (!o.is_const) report(out, o.label, now(o, symbol));
  switch (n.kind) {
    case CondNode::Kind::Rising:
    case CondNode::Kind::Falling:
      report(out, n.extra_label,
             value_at(program_, n.operands[0].expr, *universe_[symbol], n.bars));
      break;
    case CondNode::Kind::CrossSection: {
      const double x = metrics(n)[symbol];
      if (!std::isnan(x)) report(out, n.extra_label, x);
      break;
    }
    default:
      break;
  }
  for (std::uint32_t c : n.children) collect_values(c, symbol, out);
}

}  // namespace tolvex::screener
