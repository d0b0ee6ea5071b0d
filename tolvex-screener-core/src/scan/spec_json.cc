// Reading a specification from JSON.
//
// Records (ScanSpec, RankSpec, BreadthSpec) come as objects keyed by field
// name or as arrays of their values in field order. Expressions and
// conditions are tagged unions: an object whose "kind" (expressions) or
// "type" (conditions) names the variant, or an array whose first element is
// the tag and whose remaining elements are the variant's fields in order.
// Enumerated values are strings, or one-key objects {"name":null}.
//
// The same reader serves both entry points. Reading the constructor's text,
// a field given twice is a fault (the document is read as typed records);
// reading an already parsed value, the last occurrence wins as it does for
// any generic value.
#include <array>
#include <span>

#include "json/json.h"
#include "scan/spec.h"

namespace tolvex::screener {

namespace {

using json::Value;
using Fault = json::Error;
template <class T>
using R = Result<T, Fault>;

Fault fault_at(const Value& at, std::string message) {
  return json::error_at(at, std::move(message));
}

std::string element_count(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " element" : " elements");
}

// One record being read: its fields by declaration index, from either form.
// `first` skips leading array elements (the tag of a tagged array).
class Fields {
 public:
  static R<Fields> open(const Value& v, std::span<const std::string_view> names,
                        std::size_t required_in_array, std::string_view expect_type,
                        std::string_view expect_len, bool strict, std::size_t first = 0) {
    Fields f(v, names);
    if (v.is_object()) {
      std::vector<bool> seen(names.size(), false);
      for (const json::Member& m : v.members()) {
        for (std::size_t i = 0; i < names.size(); ++i) {
          if (m.key != names[i]) continue;
          if (seen[i] && strict) return err(fault_at(v, json::duplicate_field(names[i])));
          seen[i] = true;
          f.slots_[i] = &m.value;
        }
      }
      return f;
    }
    if (v.is_array()) {
      const auto& items = v.items();
      std::size_t n = items.size() > first ? items.size() - first : 0;
      if (n < required_in_array) return err(fault_at(v, json::invalid_length(n, expect_len)));
      if (n > names.size())
        return err(fault_at(v, json::invalid_length(n, "fewer elements in array")));
      for (std::size_t i = 0; i < n; ++i) f.slots_[i] = &items[first + i];
      return f;
    }
    return err(fault_at(v, json::invalid_type(json::unexpected(v), expect_type)));
  }

  // An optional field: nullptr when absent or null.
  const Value* optional(std::size_t i) const {
    const Value* v = slots_[i];
    return v && !v->is_null() ? v : nullptr;
  }
  R<const Value*> required(std::size_t i) const {
    if (const Value* v = slots_[i]) return v;
    // An array shorter than its required prefix was rejected when opened.
    return err(fault_at(*whole_, json::missing_field(names_[i])));
  }

 private:
  Fields(const Value& whole, std::span<const std::string_view> names)
      : whole_(&whole), names_(names), slots_(names.size(), nullptr) {}
  const Value* whole_;
  std::span<const std::string_view> names_;
  std::vector<const Value*> slots_;
};

template <class E, std::size_t N>
R<E> read_enum(const Value& v, const std::array<std::string_view, N>& names,
               std::string_view enum_name) {
  if (v.is_object()) {
    // The one-key map form of a unit variant: {"gt":null}.
    if (v.members().size() != 1)
      return err(fault_at(v, json::invalid_value("map", "map with a single key")));
    const json::Member& m = v.members().front();
    for (std::size_t i = 0; i < N; ++i) {
      if (m.key != names[i]) continue;
      if (!m.value.is_null())
        return err(
            fault_at(m.value, json::invalid_type(json::unexpected(m.value), "unit variant")));
      return static_cast<E>(i);
    }
    return err(fault_at(v, json::unknown_variant(m.key, names)));
  }
  if (!v.is_string()) return err(fault_at(v, json::invalid_type(json::unexpected(v), enum_name)));
  for (std::size_t i = 0; i < N; ++i)
    if (v.as_string() == names[i]) return static_cast<E>(i);
  return err(fault_at(v, json::unknown_variant(v.as_string(), names)));
}

constexpr std::array<std::string_view, 8> kExprKinds = {"const", "price", "indicator", "prev",
                                                        "add",   "sub",   "mul",       "div"};
constexpr std::array<std::string_view, 9> kConditionTypes = {
    "cmp", "cross_section", "breadth", "between", "rising", "falling", "all", "any", "not"};

R<double> read_f64(const Value& v) {
  return json::to_f64(v);
}

class SpecReader {
 public:
  explicit SpecReader(bool strict) : strict_(strict) {}

  R<ScanSpec> spec(const Value& v) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "universe", "timeframe", "reference", "breadth", "condition", "rank", "limit"};
    auto f =
        Fields::open(v, kNames, 5, "struct ScanSpec", "struct ScanSpec with 7 elements", strict_);
    if (!f) return err(std::move(f).error());
    ScanSpec s;
    auto universe = f->required(0);
    if (!universe) return err(std::move(universe).error());
    auto symbols = strings(**universe);
    if (!symbols) return err(std::move(symbols).error());
    s.universe = std::move(*symbols);
    for (auto [index, target] : {std::pair{1, &s.timeframe}, std::pair{2, &s.reference}}) {
      if (const Value* t = f->optional(index)) {
        auto text = json::to_string(*t);
        if (!text) return err(std::move(text).error());
        *target = std::move(*text);
      }
    }
    if (const Value* b = f->optional(3)) {
      auto breadth = breadth_spec(*b);
      if (!breadth) return err(std::move(breadth).error());
      s.breadth = std::move(*breadth);
    }
    auto cond_value = f->required(4);
    if (!cond_value) return err(std::move(cond_value).error());
    auto cond = condition(**cond_value);
    if (!cond) return err(std::move(cond).error());
    s.condition = std::move(*cond);
    if (const Value* r = f->optional(5)) {
      auto rank = rank_spec(*r);
      if (!rank) return err(std::move(rank).error());
      s.rank = std::move(*rank);
    }
    if (const Value* l = f->optional(6)) {
      auto limit = json::to_u64(*l);
      if (!limit) return err(std::move(limit).error());
      s.limit = *limit;
    }
    return s;
  }

 private:
  R<std::vector<std::string>> strings(const Value& v) {
    if (!v.is_array())
      return err(fault_at(v, json::invalid_type(json::unexpected(v), "a sequence")));
    std::vector<std::string> out;
    out.reserve(v.items().size());
    for (const Value& item : v.items()) {
      auto s = json::to_string(item);
      if (!s) return err(std::move(s).error());
      out.push_back(std::move(*s));
    }
    return out;
  }

  R<std::vector<double>> numbers(const Value& v) {
    if (!v.is_array())
      return err(fault_at(v, json::invalid_type(json::unexpected(v), "a sequence")));
    std::vector<double> out;
    out.reserve(v.items().size());
    for (const Value& item : v.items()) {
      auto d = read_f64(item);
      if (!d) return err(std::move(d).error());
      out.push_back(*d);
    }
    return out;
  }

  R<BreadthSpec> breadth_spec(const Value& v) {
    static constexpr std::array<std::string_view, 4> kNames = {"period", "ma_period", "pnf_box",
                                                               "pnf_reversal"};
    auto f = Fields::open(v, kNames, 0, "struct BreadthSpec", "struct BreadthSpec with 4 elements",
                          strict_);
    if (!f) return err(std::move(f).error());
    BreadthSpec b;
    for (auto [index, target] :
         {std::pair{0, &b.period}, std::pair{1, &b.ma_period}, std::pair{3, &b.pnf_reversal}}) {
      if (const Value* n = f->optional(index)) {
        auto u = json::to_u64(*n);
        if (!u) return err(std::move(u).error());
        *target = *u;
      }
    }
    if (const Value* box = f->optional(2)) {
      auto d = read_f64(*box);
      if (!d) return err(std::move(d).error());
      b.pnf_box = *d;
    }
    return b;
  }

  R<RankSpec> rank_spec(const Value& v) {
    static constexpr std::array<std::string_view, 2> kNames = {"by", "desc"};
    auto f =
        Fields::open(v, kNames, 1, "struct RankSpec", "struct RankSpec with 2 elements", strict_);
    if (!f) return err(std::move(f).error());
    RankSpec r;
    auto by_value = f->required(0);
    if (!by_value) return err(std::move(by_value).error());
    auto by = expr(**by_value);
    if (!by) return err(std::move(by).error());
    r.by = std::move(*by);
    if (const Value* d = f->optional(1)) {
      auto desc = json::to_bool(*d);
      if (!desc) return err(std::move(desc).error());
      r.desc = *desc;
    }
    return r;
  }

  // The variant index of a tagged object or array.
  template <std::size_t N>
  R<std::size_t> tag(const Value& v, std::string_view tag_key,
                     const std::array<std::string_view, N>& variants, std::string_view expect) {
    const Value* t = nullptr;
    if (v.is_object()) {
      for (const json::Member& m : v.members()) {
        if (m.key != tag_key) continue;
        if (t && strict_) return err(fault_at(v, json::duplicate_field(tag_key)));
        t = &m.value;
      }
      if (!t) return err(fault_at(v, json::missing_field(tag_key)));
    } else if (v.is_array()) {
      if (v.items().empty()) return err(fault_at(v, json::missing_field(tag_key)));
      t = &v.items().front();
    } else {
      return err(fault_at(v, json::invalid_type(json::unexpected(v), expect)));
    }
    if (!t->is_string())
      return err(fault_at(*t, json::invalid_type(json::unexpected(*t), "variant identifier")));
    for (std::size_t i = 0; i < N; ++i)
      if (t->as_string() == variants[i]) return i;
    return err(fault_at(*t, json::unknown_variant(t->as_string(), variants)));
  }

  // Opens the fields of one variant; `required` of them must be present in
  // the array form.
  R<Fields> variant_fields(const Value& v, std::span<const std::string_view> names,
                           std::size_t required, std::string_view variant) {
    std::string expect =
        "struct variant " + std::string(variant) + " with " + element_count(names.size());
    return Fields::open(v, names, required, expect, expect, strict_, v.is_array() ? 1 : 0);
  }

  R<Expr> expr_field(const Fields& f, std::size_t i) {
    auto v = f.required(i);
    if (!v) return err(std::move(v).error());
    return expr(**v);
  }

  R<Condition> condition_field(const Fields& f, std::size_t i) {
    auto v = f.required(i);
    if (!v) return err(std::move(v).error());
    return condition(**v);
  }

  template <class E, std::size_t N>
  R<E> enum_field(const Fields& f, std::size_t i, const std::array<std::string_view, N>& names,
                  std::string_view enum_name) {
    auto v = f.required(i);
    if (!v) return err(std::move(v).error());
    return read_enum<E>(**v, names, enum_name);
  }

  R<double> f64_field(const Fields& f, std::size_t i) {
    auto v = f.required(i);
    if (!v) return err(std::move(v).error());
    return read_f64(**v);
  }

  R<std::uint32_t> bars_field(const Fields& f, std::size_t i) {
    auto v = f.required(i);
    if (!v) return err(std::move(v).error());
    return json::to_u32(**v);
  }

  R<Expr> expr(const Value& v) {
    auto kind = tag(v, "kind", kExprKinds, "internally tagged enum Expr");
    if (!kind) return err(std::move(kind).error());
    switch (*kind) {
      case 0: {
        static constexpr std::array<std::string_view, 1> kNames = {"value"};
        auto f = variant_fields(v, kNames, 1, "Expr::Const");
        if (!f) return err(std::move(f).error());
        auto value = f64_field(*f, 0);
        if (!value) return err(std::move(value).error());
        return Expr::constant(*value);
      }
      case 1: {
        static constexpr std::array<std::string_view, 1> kNames = {"field"};
        auto f = variant_fields(v, kNames, 1, "Expr::Price");
        if (!f) return err(std::move(f).error());
        auto field = enum_field<PriceField>(*f, 0, kPriceFieldNames, "enum PriceField");
        if (!field) return err(std::move(field).error());
        return Expr::price(*field);
      }
      case 2:
        return indicator(v);
      case 3: {
        static constexpr std::array<std::string_view, 2> kNames = {"of", "bars"};
        auto f = variant_fields(v, kNames, 2, "Expr::Prev");
        if (!f) return err(std::move(f).error());
        auto of = expr_field(*f, 0);
        if (!of) return err(std::move(of).error());
        auto bars = bars_field(*f, 1);
        if (!bars) return err(std::move(bars).error());
        return Expr::prev(std::move(*of), *bars);
      }
      default:
        return arith(v, static_cast<ArithOp>(*kind - 4));
    }
  }

  R<Expr> indicator(const Value& v) {
    static constexpr std::array<std::string_view, 3> kNames = {"name", "params", "field"};
    auto f = variant_fields(v, kNames, 1, "Expr::Indicator");
    if (!f) return err(std::move(f).error());
    Expr::Indicator ind;
    auto name_value = f->required(0);
    if (!name_value) return err(std::move(name_value).error());
    auto name = json::to_string(**name_value);
    if (!name) return err(std::move(name).error());
    ind.name = std::move(*name);
    if (const Value* p = f->optional(1)) {
      auto params = numbers(*p);
      if (!params) return err(std::move(params).error());
      ind.params = std::move(*params);
    }
    if (const Value* fv = f->optional(2)) {
      auto field = json::to_string(*fv);
      if (!field) return err(std::move(field).error());
      ind.field = std::move(*field);
    }
    return Expr(std::move(ind));
  }

  R<Expr> arith(const Value& v, ArithOp op) {
    static constexpr std::array<std::string_view, 2> kNames = {"left", "right"};
    static constexpr std::array<std::string_view, 4> kVariants = {"Expr::Add", "Expr::Sub",
                                                                  "Expr::Mul", "Expr::Div"};
    auto f = variant_fields(v, kNames, 2, kVariants[static_cast<std::size_t>(op)]);
    if (!f) return err(std::move(f).error());
    auto left = expr_field(*f, 0);
    if (!left) return err(std::move(left).error());
    auto right = expr_field(*f, 1);
    if (!right) return err(std::move(right).error());
    return Expr::arith(op, std::move(*left), std::move(*right));
  }

  R<Condition> condition(const Value& v) {
    auto type = tag(v, "type", kConditionTypes, "internally tagged enum Condition");
    if (!type) return err(std::move(type).error());
    switch (*type) {
      case 0:
        return cmp(v);
      case 1:
        return cross_section(v);
      case 2:
        return breadth(v);
      case 3:
        return between(v);
      case 4:
      case 5:
        return rising_falling(v, *type == 4);
      case 6:
      case 7:
        return all_any(v, *type == 6);
      default:
        return negation(v);
    }
  }

  R<Condition> cmp(const Value& v) {
    static constexpr std::array<std::string_view, 3> kNames = {"left", "op", "right"};
    auto f = variant_fields(v, kNames, 3, "Condition::Cmp");
    if (!f) return err(std::move(f).error());
    auto left = expr_field(*f, 0);
    if (!left) return err(std::move(left).error());
    auto op = enum_field<CmpOp>(*f, 1, kCmpOpNames, "enum CmpOp");
    if (!op) return err(std::move(op).error());
    auto right = expr_field(*f, 2);
    if (!right) return err(std::move(right).error());
    return Condition::cmp(std::move(*left), *op, std::move(*right));
  }

  R<Condition> cross_section(const Value& v) {
    static constexpr std::array<std::string_view, 4> kNames = {"expr", "metric", "op", "value"};
    auto f = variant_fields(v, kNames, 4, "Condition::CrossSection");
    if (!f) return err(std::move(f).error());
    auto e = expr_field(*f, 0);
    if (!e) return err(std::move(e).error());
    auto metric =
        enum_field<CrossSectionMetric>(*f, 1, kCrossSectionMetricNames, "enum CrossSectionMetric");
    if (!metric) return err(std::move(metric).error());
    auto op = enum_field<CmpOp>(*f, 2, kCmpOpNames, "enum CmpOp");
    if (!op) return err(std::move(op).error());
    auto value = f64_field(*f, 3);
    if (!value) return err(std::move(value).error());
    return Condition::cross_section(std::move(*e), *metric, *op, *value);
  }

  R<Condition> breadth(const Value& v) {
    static constexpr std::array<std::string_view, 3> kNames = {"inner", "op", "ratio"};
    auto f = variant_fields(v, kNames, 3, "Condition::Breadth");
    if (!f) return err(std::move(f).error());
    auto inner = condition_field(*f, 0);
    if (!inner) return err(std::move(inner).error());
    auto op = enum_field<CmpOp>(*f, 1, kCmpOpNames, "enum CmpOp");
    if (!op) return err(std::move(op).error());
    auto ratio = f64_field(*f, 2);
    if (!ratio) return err(std::move(ratio).error());
    return Condition::breadth(std::move(*inner), *op, *ratio);
  }

  R<Condition> between(const Value& v) {
    static constexpr std::array<std::string_view, 3> kNames = {"value", "low", "high"};
    auto f = variant_fields(v, kNames, 3, "Condition::Between");
    if (!f) return err(std::move(f).error());
    auto value = expr_field(*f, 0);
    if (!value) return err(std::move(value).error());
    auto low = expr_field(*f, 1);
    if (!low) return err(std::move(low).error());
    auto high = expr_field(*f, 2);
    if (!high) return err(std::move(high).error());
    return Condition::between(std::move(*value), std::move(*low), std::move(*high));
  }

  R<Condition> rising_falling(const Value& v, bool rising) {
    static constexpr std::array<std::string_view, 2> kNames = {"expr", "bars"};
    auto f = variant_fields(v, kNames, 2, rising ? "Condition::Rising" : "Condition::Falling");
    if (!f) return err(std::move(f).error());
    auto e = expr_field(*f, 0);
    if (!e) return err(std::move(e).error());
    auto bars = bars_field(*f, 1);
    if (!bars) return err(std::move(bars).error());
    return rising ? Condition::rising(std::move(*e), *bars)
                  : Condition::falling(std::move(*e), *bars);
  }

  R<Condition> all_any(const Value& v, bool all) {
    static constexpr std::array<std::string_view, 1> kNames = {"conditions"};
    auto f = variant_fields(v, kNames, 1, all ? "Condition::All" : "Condition::Any");
    if (!f) return err(std::move(f).error());
    auto list = f->required(0);
    if (!list) return err(std::move(list).error());
    const Value& items = **list;
    if (!items.is_array())
      return err(fault_at(items, json::invalid_type(json::unexpected(items), "a sequence")));
    std::vector<Condition> members;
    members.reserve(items.items().size());
    for (const Value& item : items.items()) {
      auto c = condition(item);
      if (!c) return err(std::move(c).error());
      members.push_back(std::move(*c));
    }
    return all ? Condition::all(std::move(members)) : Condition::any(std::move(members));
  }

  R<Condition> negation(const Value& v) {
    static constexpr std::array<std::string_view, 1> kNames = {"condition"};
    auto f = variant_fields(v, kNames, 1, "Condition::Not");
    if (!f) return err(std::move(f).error());
    auto inner = condition_field(*f, 0);
    if (!inner) return err(std::move(inner).error());
    return Condition::negate(std::move(*inner));
  }

  bool strict_;
};

}  // namespace

Result<ScanSpec, ScreenerError> parse_spec_text(std::string_view json_text) {
  auto doc = json::parse(json_text);
  if (!doc) return err(ScreenerError::parse(doc.error().display()));
  auto spec = SpecReader(/*strict=*/true).spec(*doc);
  if (!spec) return err(ScreenerError::parse(spec.error().display()));
  auto valid = validate_spec(*spec);
  if (!valid) return err(ScreenerError::bad_spec(std::move(valid).error()));
  return std::move(*spec);
}

Result<ScanSpec, std::string> spec_from_value(const json::Value& value) {
  auto spec = SpecReader(/*strict=*/false).spec(value);
  if (!spec) return err(std::move(spec.error().message));
  return std::move(*spec);
}

}  // namespace tolvex::screener
