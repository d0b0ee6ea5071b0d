// Canonical expression texts.
#include <cmath>
#include <cstdint>
#include <limits>

#include "number_text.h"
#include "scan/spec.h"

namespace tolvex::screener {

std::string label_number(double v) {
  if (std::isfinite(v) && std::trunc(v) == v) {
    // 2^63 is exactly representable; anything at or beyond it saturates, as
    // does anything below -2^63. The cast is only done in range.
    constexpr double kTwo63 = 9223372036854775808.0;
    if (v >= kTwo63) return std::to_string(std::numeric_limits<std::int64_t>::max());
    if (v < -kTwo63) return std::to_string(std::numeric_limits<std::int64_t>::min());
    return std::to_string(static_cast<std::int64_t>(v));
  }
  return plain_decimal(v);
}

namespace {

void append_indicator_base(const Expr::Indicator& ind, std::string& out) {
  out += ind.name;
  out += '(';
  for (std::size_t i = 0; i < ind.params.size(); ++i) {
    if (i > 0) out += ',';
    out += label_number(ind.params[i]);
  }
  out += ')';
}

}  // namespace

std::string Expr::Indicator::base_label() const {
  std::string out;
  append_indicator_base(*this, out);
  return out;
}

std::string Expr::Indicator::label() const {
  std::string out;
  append_indicator_base(*this, out);
  if (field) {
    out += '.';
    out += *field;
  }
  return out;
}

Expr Expr::arith(ArithOp op, Expr left, Expr right) {
  switch (op) {
    case ArithOp::Add:
      return Add{std::move(left), std::move(right)};
    case ArithOp::Sub:
      return Sub{std::move(left), std::move(right)};
    case ArithOp::Mul:
      return Mul{std::move(left), std::move(right)};
    case ArithOp::Div:
      break;
  }
  return Div{std::move(left), std::move(right)};
}

namespace {

struct LabelWriter {
  std::string& out;
  void operator()(const Expr::Const& c) const {
    out += "const(";
    out += label_number(c.value);
    out += ')';
  }
  void operator()(const Expr::Price& p) const {
    out += "price.";
    out += to_string(p.field);
  }
  void operator()(const Expr::Indicator& ind) const {
    append_indicator_base(ind, out);
    if (ind.field) {
      out += '.';
      out += *ind.field;
    }
  }
  void operator()(const Expr::Prev& p) const {
    out += "prev(";
    p.of->append_label(out);
    out += ',';
    out += std::to_string(p.bars);
    out += ')';
  }
  template <ArithOp Op>
  void operator()(const Expr::Arith<Op>& a) const {
    out += to_string(Op);
    out += '(';
    a.left->append_label(out);
    out += ',';
    a.right->append_label(out);
    out += ')';
  }
};

}  // namespace

void Expr::append_label(std::string& out) const {
  std::visit(LabelWriter{out}, node);
}

std::string Expr::label() const {
  std::string out;
  append_label(out);
  return out;
}

}  // namespace tolvex::screener
