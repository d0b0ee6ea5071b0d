// The library's two error enums. IndicatorError is raised by indicator
// constructors and record validators; StrategyError by the registry and for
// input data. Both render to fixed texts through `to_string`.
#pragma once

#include <string>
#include <string_view>

namespace tolvex {

struct IndicatorError {
  enum class Kind {
    PeriodZero,
    InvalidPeriod,
    NonFiniteInput,
    InvalidCandle,
    InvalidTick,
    NonPositiveMultiplier,
    InvalidOrderBook,
    InvalidTrade,
    InvalidDerivativesTick,
    InvalidCrossSection,
    InvalidParameter,
  };
  Kind kind;
  // Static reason text for the variants that carry one; empty otherwise.
  std::string_view message;

  static IndicatorError period_zero() { return {Kind::PeriodZero, {}}; }
  static IndicatorError invalid_period(std::string_view m) { return {Kind::InvalidPeriod, m}; }
  static IndicatorError non_positive_multiplier() { return {Kind::NonPositiveMultiplier, {}}; }
  static IndicatorError invalid_parameter(std::string_view m) {
    return {Kind::InvalidParameter, m};
  }
};

std::string to_string(const IndicatorError& e);

struct StrategyError {
  enum class Kind {
    InvalidStrategySpec,
    UnknownIndicatorType,
    InvalidParameters,
    UndeclaredIndicator,
    InvalidInputData,
  };
  Kind kind;
  // The payload: the spec text, the type name, or the data reason.
  std::string text;
  // The reason of InvalidParameters (text then holds the type name).
  std::string reason;

  static StrategyError unknown_indicator_type(std::string_view name) {
    return {Kind::UnknownIndicatorType, std::string(name), {}};
  }
  static StrategyError invalid_parameters(std::string_view name, std::string reason) {
    return {Kind::InvalidParameters, std::string(name), std::move(reason)};
  }
  static StrategyError invalid_input_data(const IndicatorError& e) {
    return {Kind::InvalidInputData, to_string(e), {}};
  }
};

std::string to_string(const StrategyError& e);

}  // namespace tolvex
