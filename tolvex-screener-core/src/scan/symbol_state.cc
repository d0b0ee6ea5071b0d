#include "scan/symbol_state.h"

#include <algorithm>

namespace tolvex::screener {

namespace {

// The first records are reserved at once; deep look-backs grow on demand
// so that a huge `bars` cannot allocate the whole ring up front.
constexpr std::uint64_t kInitialRecords = 8;

}  // namespace

SymbolState::SymbolState(const Program& program, std::vector<IndicatorBox> evaluators)
    : program_(&program),
      evaluators_(std::move(evaluators)),
      history_len_(program.history_len),
      slots_(program.slot_labels.size()) {
  for (const IndicatorBox& e : evaluators_) warmup_ = std::max<std::uint64_t>(warmup_, e->warmup());
  const std::size_t initial = static_cast<std::size_t>(std::min(history_len_, kInitialRecords));
  candles_.reserve(initial);
  values_.reserve(initial * slots_);
  present_.reserve(initial * slots_);
}

void SymbolState::step(const IndicatorInput& input) {
  std::size_t rec;
  if (size_ < history_len_) {
    rec = static_cast<std::size_t>(size_);
    candles_.push_back(input.candle);
    values_.resize(values_.size() + slots_);
    present_.resize(present_.size() + slots_);
    ++size_;
  } else {
    rec = static_cast<std::size_t>((head_ + 1) % size_);
    candles_[rec] = input.candle;
  }
  head_ = rec;
  double* values = values_.data() + rec * slots_;
  std::uint8_t* present = present_.data() + rec * slots_;
  std::fill(present, present + slots_, std::uint8_t{0});

  for (std::size_t k = 0; k < evaluators_.size(); ++k) {
    const std::optional<double> v = evaluators_[k]->update(input);
    if (!v) continue;
    const EvaluatorPlan& plan = program_->evaluators[k];
    values[plan.slot] = *v;
    present[plan.slot] = 1;
    if (plan.fields.empty()) continue;
    const OutputList outputs = evaluators_[k]->fields();
    for (const EvaluatorPlan::Field& f : plan.fields) {
      // From the back: with a repeated name the later output wins.
      for (std::size_t j = outputs.size(); j-- > 0;) {
        if (outputs[j].name == f.name) {
          values[f.slot] = outputs[j].value;
          present[f.slot] = 1;
          break;
        }
      }
    }
  }
  ++steps_;
  ready_ = steps_ >= warmup_;
}

Result<SymbolState, ScreenerError> compile_symbol(const Program& program) {
  std::vector<IndicatorBox> evaluators;
  evaluators.reserve(program.evaluators.size());
  for (const EvaluatorPlan& plan : program.evaluators) {
    BuildResult built = build_indicator(plan.name, plan.params);
    if (!built)
      return err(ScreenerError::unknown_indicator(plan.name + ": " + to_string(built.error())));
    evaluators.push_back(std::move(built).value());
  }
  return SymbolState(program, std::move(evaluators));
}

}  // namespace tolvex::screener
