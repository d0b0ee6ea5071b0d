// The scan specification: the universe, the condition tree over expression
// trees, ranking, limit and the optional reference and breadth settings.
//
// The model is a tree of plain values. Children are owned through `Box`
// (deep-copying) and vectors, so a whole `ScanSpec` can be copied, moved and
// compared. Once validated a specification is never modified; the engine
// shares it read-only across threads.
//
// Every `Expr` has a canonical text, its label, which names indicator
// evaluators, stored step values and reported values.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "result.h"
#include "screener_error.h"

namespace tolvex::json {
class Value;
}  // namespace tolvex::json

namespace tolvex::screener {

// An owned, never-null child node with value semantics: copying copies the
// subtree. Only a moved-from box is empty, and it may only be destroyed or
// assigned to.
template <class T>
class Box {
 public:
  Box(T value) : p_(std::make_unique<T>(std::move(value))) {}
  Box(const Box& o) : p_(std::make_unique<T>(*o.p_)) {}
  Box(Box&&) noexcept = default;
  Box& operator=(const Box& o) {
    if (this != &o) p_ = std::make_unique<T>(*o.p_);
    return *this;
  }
  Box& operator=(Box&&) noexcept = default;
  ~Box() = default;

  const T& operator*() const { return *p_; }
  T& operator*() { return *p_; }
  const T* operator->() const { return p_.get(); }
  T* operator->() { return p_.get(); }
  const T& get() const { return *p_; }

  friend bool operator==(const Box& a, const Box& b) { return *a.p_ == *b.p_; }

 private:
  std::unique_ptr<T> p_;
};

enum class PriceField { Open, High, Low, Close, Volume, Hlc3, Ohlc4 };
enum class CmpOp { Gt, Ge, Lt, Le, Eq, Ne, CrossesAbove, CrossesBelow };
enum class CrossSectionMetric { Rank, PercentileRank, ZScore };
enum class ArithOp { Add, Sub, Mul, Div };

// The JSON names, indexed by enumerator: "close", "crosses_above",
// "percentile_rank", "add". The reader and the labels share these tables.
inline constexpr std::array<std::string_view, 7> kPriceFieldNames = {
    "open", "high", "low", "close", "volume", "hlc3", "ohlc4"};
inline constexpr std::array<std::string_view, 8> kCmpOpNames = {
    "gt", "ge", "lt", "le", "eq", "ne", "crosses_above", "crosses_below"};
inline constexpr std::array<std::string_view, 3> kCrossSectionMetricNames = {
    "rank", "percentile_rank", "z_score"};
inline constexpr std::array<std::string_view, 4> kArithOpNames = {"add", "sub", "mul", "div"};

inline std::string_view to_string(PriceField f) {
  return kPriceFieldNames[static_cast<std::size_t>(f)];
}
inline std::string_view to_string(CmpOp op) {
  return kCmpOpNames[static_cast<std::size_t>(op)];
}
inline std::string_view to_string(CrossSectionMetric m) {
  return kCrossSectionMetricNames[static_cast<std::size_t>(m)];
}
inline std::string_view to_string(ArithOp op) {
  return kArithOpNames[static_cast<std::size_t>(op)];
}

struct Expr {
  struct Const {
    double value = 0;
    friend bool operator==(const Const&, const Const&) = default;
  };
  struct Price {
    PriceField field = PriceField::Close;
    friend bool operator==(const Price&, const Price&) = default;
  };
  struct Indicator {
    std::string name;
    std::vector<double> params;
    std::optional<std::string> field;
    // "Sma(20)": identifies the evaluator; uses differing only in `field`
    // or in how equal numbers are written share it.
    std::string base_label() const;
    // "BollingerBands(20,2).upper" with a field, else the base label.
    std::string label() const;
    friend bool operator==(const Indicator&, const Indicator&) = default;
  };
  struct Prev {
    Box<Expr> of;
    std::uint32_t bars = 0;
    friend bool operator==(const Prev&, const Prev&) = default;
  };
  // Add, Sub, Mul and Div share one shape; `kOp` tells them apart inside
  // generic visitors.
  template <ArithOp Op>
  struct Arith {
    static constexpr ArithOp kOp = Op;
    Box<Expr> left;
    Box<Expr> right;
    friend bool operator==(const Arith&, const Arith&) = default;
  };
  using Add = Arith<ArithOp::Add>;
  using Sub = Arith<ArithOp::Sub>;
  using Mul = Arith<ArithOp::Mul>;
  using Div = Arith<ArithOp::Div>;

  using Node = std::variant<Const, Price, Indicator, Prev, Add, Sub, Mul, Div>;
  Node node;  // defaults to the constant 0

  Expr() : node(Const{}) {}
  template <class N, class = std::enable_if_t<!std::is_same_v<std::decay_t<N>, Expr>>>
  Expr(N&& n) : node(std::forward<N>(n)) {}

  static Expr constant(double v) { return Const{v}; }
  static Expr price(PriceField f) { return Price{f}; }
  static Expr indicator(std::string name, std::vector<double> params = {},
                        std::optional<std::string> field = std::nullopt) {
    return Indicator{std::move(name), std::move(params), std::move(field)};
  }
  static Expr prev(Expr of, std::uint32_t bars) { return Prev{std::move(of), bars}; }
  static Expr arith(ArithOp op, Expr left, Expr right);

  // The canonical text: "const(2.5)", "price.hlc3", "prev(price.close,1)",
  // "add(price.high,price.low)", indicator labels as above. No spaces.
  std::string label() const;
  // Appends the label to `out`; saves allocations when labels nest.
  void append_label(std::string& out) const;

  template <class T>
  const T* as() const {
    return std::get_if<T>(&node);
  }

  friend bool operator==(const Expr&, const Expr&) = default;
};

// Number text used inside labels: finite integral values as signed 64-bit
// integers, saturating outside that range (20.0 -> "20", -0.0 -> "0",
// 1e20 -> "9223372036854775807"); everything else in plain positional
// decimal with the fewest round-trip digits (1e-7 -> "0.0000001").
std::string label_number(double v);

struct Condition {
  struct Cmp {
    Expr left;
    CmpOp op = CmpOp::Gt;
    Expr right;
    friend bool operator==(const Cmp&, const Cmp&) = default;
  };
  struct CrossSection {
    Expr expr;
    CrossSectionMetric metric = CrossSectionMetric::Rank;
    CmpOp op = CmpOp::Gt;
    double value = 0;
    friend bool operator==(const CrossSection&, const CrossSection&) = default;
  };
  struct Breadth {
    Box<Condition> inner;
    CmpOp op = CmpOp::Gt;
    double ratio = 0;
    friend bool operator==(const Breadth&, const Breadth&) = default;
  };
  struct Between {
    Expr value;
    Expr low;
    Expr high;
    friend bool operator==(const Between&, const Between&) = default;
  };
  struct Rising {
    Expr expr;
    std::uint32_t bars = 0;
    friend bool operator==(const Rising&, const Rising&) = default;
  };
  struct Falling {
    Expr expr;
    std::uint32_t bars = 0;
    friend bool operator==(const Falling&, const Falling&) = default;
  };
  struct All {
    std::vector<Condition> conditions;
    friend bool operator==(const All&, const All&) = default;
  };
  struct Any {
    std::vector<Condition> conditions;
    friend bool operator==(const Any&, const Any&) = default;
  };
  struct Not {
    Box<Condition> condition;
    friend bool operator==(const Not&, const Not&) = default;
  };

  using Node = std::variant<Cmp, CrossSection, Breadth, Between, Rising, Falling, All, Any, Not>;
  Node node;  // defaults to an empty All (always true)

  Condition() : node(All{}) {}
  template <class N, class = std::enable_if_t<!std::is_same_v<std::decay_t<N>, Condition>>>
  Condition(N&& n) : node(std::forward<N>(n)) {}

  static Condition cmp(Expr left, CmpOp op, Expr right) {
    return Cmp{std::move(left), op, std::move(right)};
  }
  static Condition cross_section(Expr e, CrossSectionMetric m, CmpOp op, double value) {
    return CrossSection{std::move(e), m, op, value};
  }
  static Condition breadth(Condition inner, CmpOp op, double ratio) {
    return Breadth{std::move(inner), op, ratio};
  }
  static Condition between(Expr value, Expr low, Expr high) {
    return Between{std::move(value), std::move(low), std::move(high)};
  }
  static Condition rising(Expr e, std::uint32_t bars) { return Rising{std::move(e), bars}; }
  static Condition falling(Expr e, std::uint32_t bars) { return Falling{std::move(e), bars}; }
  static Condition all(std::vector<Condition> cs) { return All{std::move(cs)}; }
  static Condition any(std::vector<Condition> cs) { return Any{std::move(cs)}; }
  static Condition negate(Condition c) { return Not{std::move(c)}; }

  template <class T>
  const T* as() const {
    return std::get_if<T>(&node);
  }

  friend bool operator==(const Condition&, const Condition&) = default;
};

// Settings of the breadth snapshot a batch scan synthesises. Absent values
// take the k* defaults.
struct BreadthSpec {
  static constexpr std::uint64_t kDefaultPeriod = 52;
  static constexpr std::uint64_t kDefaultMaPeriod = 200;
  static constexpr double kDefaultPnfBox = 0.01;
  static constexpr std::uint64_t kDefaultPnfReversal = 3;

  std::optional<std::uint64_t> period;
  std::optional<std::uint64_t> ma_period;
  std::optional<double> pnf_box;
  std::optional<std::uint64_t> pnf_reversal;

  friend bool operator==(const BreadthSpec&, const BreadthSpec&) = default;
};

struct RankSpec {
  Expr by;
  bool desc = false;
  friend bool operator==(const RankSpec&, const RankSpec&) = default;
};

struct ScanSpec {
  std::vector<std::string> universe;  // client order, duplicates kept
  std::optional<std::string> timeframe;
  std::optional<std::string> reference;
  std::optional<BreadthSpec> breadth;
  Condition condition;
  std::optional<RankSpec> rank;
  std::optional<std::uint64_t> limit;

  friend bool operator==(const ScanSpec&, const ScanSpec&) = default;
};

// Checks the rules in a fixed order and returns the first failure's message
// (the BadSpec text, without its "bad spec: " prefix). Indicator names and
// parameters are not checked here.
Status<std::string> validate_spec(const ScanSpec& spec);

// The constructor's path: reads a whole JSON text as a specification, then
// validates it. Reader and shape faults are Parse errors whose text ends
// with " at line L column C"; rule failures are BadSpec errors.
Result<ScanSpec, ScreenerError> parse_spec_text(std::string_view json_text);

// The "spec" member of set_spec: converts an already parsed value. The error
// is the reader's shape-fault message without a position (the caller wraps
// it as a Parse error). Does not validate.
Result<ScanSpec, std::string> spec_from_value(const json::Value& value);

}  // namespace tolvex::screener
