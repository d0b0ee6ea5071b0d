#include "errors.h"

namespace tolvex {

namespace {

std::string with_payload(std::string_view prefix, std::string_view payload) {
  std::string out(prefix);
  out += payload;
  return out;
}

}  // namespace

std::string to_string(const IndicatorError& e) {
  using K = IndicatorError::Kind;
  switch (e.kind) {
    case K::PeriodZero:
      return "period must be greater than zero";
    case K::InvalidPeriod:
      return with_payload("invalid period: ", e.message);
    case K::NonFiniteInput:
      return "input value must be finite (got NaN or infinity)";
    case K::InvalidCandle:
      return with_payload("invalid candle: ", e.message);
    case K::InvalidTick:
      return with_payload("invalid tick: ", e.message);
    case K::NonPositiveMultiplier:
      return "multiplier must be greater than zero";
    case K::InvalidOrderBook:
      return with_payload("invalid order book: ", e.message);
    case K::InvalidTrade:
      return with_payload("invalid trade: ", e.message);
    case K::InvalidDerivativesTick:
      return with_payload("invalid derivatives tick: ", e.message);
    case K::InvalidCrossSection:
      return with_payload("invalid cross-section: ", e.message);
    case K::InvalidParameter:
      return with_payload("invalid parameter: ", e.message);
  }
  return {};
}

std::string to_string(const StrategyError& e) {
  using K = StrategyError::Kind;
  switch (e.kind) {
    case K::InvalidStrategySpec:
      return with_payload("invalid strategy spec: ", e.text);
    case K::UnknownIndicatorType:
      return with_payload("unknown indicator type: ", e.text);
    case K::InvalidParameters:
      return "invalid parameters for indicator " + e.text + ": " + e.reason;
    case K::UndeclaredIndicator:
      return with_payload("rule references undeclared indicator: ", e.text);
    case K::InvalidInputData:
      return with_payload("invalid input data: ", e.text);
  }
  return {};
}

}  // namespace tolvex
