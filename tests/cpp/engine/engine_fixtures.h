// Small builders shared by the engine tests.
#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "indicator.h"
#include "scan/program.h"
#include "scan/spec.h"
#include "scan/symbol_state.h"

namespace tolvex::screener::testing {

inline Candle bar(double close, double volume = 1, std::int64_t time = 0) {
  return Candle{time, close, close, close, close, volume};
}

inline void feed(SymbolState& state, const std::vector<Candle>& bars) {
  for (const Candle& c : bars) {
    IndicatorInput in{std::nullopt, std::nullopt, c, {}, nullptr, nullptr};
    state.step(in);
  }
}

inline void feed_closes(SymbolState& state, const std::vector<double>& closes) {
  for (double c : closes) feed(state, {bar(c)});
}

inline ScanSpec spec_of(Condition c, std::vector<std::string> universe = {"A"}) {
  ScanSpec s;
  s.universe = std::move(universe);
  s.condition = std::move(c);
  return s;
}

inline Expr close() {
  return Expr::price(PriceField::Close);
}
inline Expr num(double v) {
  return Expr::constant(v);
}

// Yields close x 10 from its `warmup`-th step on, with the named outputs
// "upper" (close + 1) and "lower" (close - 1).
class ScriptedEvaluator : public MultiOutputEvaluator {
 public:
  explicit ScriptedEvaluator(std::size_t warmup) : warmup_(warmup) {}
  std::optional<double> update(const IndicatorInput& in) override {
    if (++seen_ < warmup_) return std::nullopt;
    const double c = in.candle.close;
    return publish({{"value", c * 10}, {"upper", c + 1}, {"lower", c - 1}});
  }
  std::size_t warmup() const override { return warmup_; }

 private:
  std::size_t warmup_;
  std::size_t seen_ = 0;
};

inline std::vector<IndicatorBox> scripted(std::size_t count, std::size_t warmup) {
  std::vector<IndicatorBox> out;
  for (std::size_t i = 0; i < count; ++i)
    out.push_back(std::make_unique<ScriptedEvaluator>(warmup));
  return out;
}

}  // namespace tolvex::screener::testing
