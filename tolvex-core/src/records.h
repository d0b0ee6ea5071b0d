// Market-data records as the indicators see them, with their validating
// constructors. Records are plain values; validation never changes them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "errors.h"
#include "result.h"

namespace tolvex {

struct Candle {
  int64_t time = 0;
  double open = 0;
  double high = 0;
  double low = 0;
  double close = 0;
  double volume = 0;

  // The validated copy of a bar, or InvalidCandle with the first failed rule.
  static Result<Candle, IndicatorError> make(int64_t time, double open, double high, double low,
                                             double close, double volume);
  Result<Candle, IndicatorError> validated() const {
    return make(time, open, high, low, close, volume);
  }
  // True when `validated()` would succeed; cheaper, for hot paths.
  bool is_valid() const;
};

struct DerivativesTick {
  double funding_rate = 0;
  double mark_price = 0;
  double index_price = 0;
  double futures_price = 0;
  double open_interest = 0;
  double long_size = 0;
  double short_size = 0;
  double taker_buy_volume = 0;
  double taker_sell_volume = 0;
  double long_liquidation = 0;
  double short_liquidation = 0;
  int64_t timestamp = 0;

  static Result<DerivativesTick, IndicatorError> validate(const DerivativesTick& tick);
};

struct Level {
  double price = 0;
  double size = 0;

  static Result<Level, IndicatorError> make(double price, double size);
};

struct OrderBook {
  std::vector<Level> bids;  // best bid first
  std::vector<Level> asks;  // best ask first

  static Result<OrderBook, IndicatorError> make(std::vector<Level> bids, std::vector<Level> asks);
  // The rules of `make` applied to levels held elsewhere, without copying.
  static Status<IndicatorError> check(std::span<const Level> bids, std::span<const Level> asks);
};

enum class TradeSide { Buy, Sell };

struct TradePrint {
  double price = 0;
  double size = 0;
  TradeSide side = TradeSide::Buy;
  int64_t timestamp = 0;
};

// Checks every trade of one step in order; an empty list is valid.
Status<IndicatorError> validate_trades(std::span<const TradePrint> trades);

struct CrossSectionMember {
  double change = 0;
  double volume = 0;
  bool new_high = false;
  bool new_low = false;
  // Set only by the breadth snapshot that a scan synthesises; never read
  // from JSON.
  bool above_ma = false;
  bool pnf_buy = false;
};

struct CrossSection {
  std::vector<CrossSectionMember> members;
  int64_t timestamp = 0;

  static Result<CrossSection, IndicatorError> make(std::vector<CrossSectionMember> members,
                                                   int64_t timestamp);
  // The rules of `make` applied to members held elsewhere, without copying.
  static Status<IndicatorError> check(std::span<const CrossSectionMember> members);
};

}  // namespace tolvex
