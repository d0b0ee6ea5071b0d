// The validating constructors of the market-data records: each rule's
// reason text, the order in which the rules are tried, and the boundary
// values (zero, negative zero, NaN, infinity).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "errors.h"
#include "records.h"

namespace tolvex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class R>
std::string verdict(const R& r) {
  return r.ok() ? "ok" : to_string(r.error());
}

TEST(RecordValidation, CandleRulesInOrder) {
  struct Case {
    double open, high, low, close, volume;
    const char* want;
  };
  const Case cases[] = {
      {1, 2, 0.5, 1.5, 0, "ok"},
      {10, 10, 10, 10, -0.0, "ok"},
      // NaN price beats a bad volume and a crossed range.
      {kNaN, 1, 2, 1, -1, "invalid candle: open, high, low, close must all be finite"},
      {1, kInf, 0.5, 1, 0, "invalid candle: open, high, low, close must all be finite"},
      {1, 2, 0.5, 1, kNaN, "invalid candle: volume must be finite"},
      {1, 2, 0.5, 1, -kInf, "invalid candle: volume must be finite"},
      {1, 0.5, 2, 1, -1, "invalid candle: volume must be non-negative"},
      {1, 0.5, 2, 1, 0, "invalid candle: high must be >= low"},
      {10, 9, 8, 9, 0, "invalid candle: high must be >= open and >= close"},
      {1, 2, 0.5, 3, 0, "invalid candle: high must be >= open and >= close"},
      {0.4, 2, 0.5, 1, 0, "invalid candle: low must be <= open and <= close"},
      {1, 2, 0.5, 0.4, 0, "invalid candle: low must be <= open and <= close"},
  };
  for (const Case& c : cases) {
    auto made = Candle::make(7, c.open, c.high, c.low, c.close, c.volume);
    EXPECT_EQ(verdict(made), c.want) << c.open << " " << c.high << " " << c.low << " " << c.close;
    Candle raw{7, c.open, c.high, c.low, c.close, c.volume};
    EXPECT_EQ(raw.is_valid(), made.ok());
    if (made.ok()) {
      EXPECT_EQ(made->time, 7);
    }
  }
}

TEST(RecordValidation, OrderBookRulesInOrder) {
  using Levels = std::vector<Level>;
  struct Case {
    Levels bids, asks;
    const char* want;
  };
  const Case cases[] = {
      {{{100, 1}, {99, 0}}, {{101, -0.0}, {102, 3}}, "ok"},
      // A bad level is found before emptiness and ordering; bids first.
      {{{0, 1}}, {}, "invalid order book: level price must be finite and positive"},
      {{{100, 1}, {100, 1}},
       {{-0.0, 1}},
       "invalid order book: level price must be finite and positive"},
      {{{100, kNaN}},
       {{kNaN, 1}},
       "invalid order book: level size must be finite and non-negative"},
      {{{100, 1}}, {}, "invalid order book: order book must have at least one bid and one ask"},
      {{}, {{100, 1}}, "invalid order book: order book must have at least one bid and one ask"},
      {{{100, 1}, {100, 1}},
       {{99, 1}},
       "invalid order book: bids must be strictly descending in price"},
      {{{100, 1}},
       {{101, 1}, {101, 1}},
       "invalid order book: asks must be strictly ascending in price"},
      {{{100, 1}},
       {{100, 1}},
       "invalid order book: order book must be uncrossed (best_bid < best_ask)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(verdict(OrderBook::check(c.bids, c.asks)), c.want);
    auto made = OrderBook::make(c.bids, c.asks);
    EXPECT_EQ(verdict(made), c.want);
    if (made.ok()) {
      EXPECT_EQ(made->bids.size(), c.bids.size());
      EXPECT_EQ(made->asks.size(), c.asks.size());
    }
  }
}

TEST(RecordValidation, TradesDerivativesAndSections) {
  auto trades = [](std::vector<TradePrint> t) { return verdict(validate_trades(t)); };
  EXPECT_EQ(trades({}), "ok");
  EXPECT_EQ(trades({{10, -0.0, TradeSide::Sell, 0}}), "ok");
  EXPECT_EQ(trades({{10, 1, TradeSide::Buy, 0}, {10, -1, TradeSide::Buy, 0}}),
            "invalid trade: trade size must be finite and non-negative");
  EXPECT_EQ(trades({{kNaN, -1, TradeSide::Buy, 0}}),
            "invalid trade: trade price must be finite and positive");

  DerivativesTick good{-0.01, 1, 1, 1, 0, -0.0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(verdict(DerivativesTick::validate(good)), "ok");
  auto with = [&](double DerivativesTick::*field, double v) {
    DerivativesTick t = good;
    t.*field = v;
    return verdict(DerivativesTick::validate(t));
  };
  const std::string prices =
      "invalid derivatives tick: mark_price, index_price and futures_price must be finite and "
      "positive";
  const std::string amounts =
      "invalid derivatives tick: open interest, sizes, volumes and liquidations must be finite "
      "and non-negative";
  EXPECT_EQ(with(&DerivativesTick::funding_rate, kInf),
            "invalid derivatives tick: funding_rate must be finite");
  EXPECT_EQ(with(&DerivativesTick::mark_price, 0), prices);
  EXPECT_EQ(with(&DerivativesTick::futures_price, kNaN), prices);
  EXPECT_EQ(with(&DerivativesTick::open_interest, -1), amounts);
  EXPECT_EQ(with(&DerivativesTick::short_liquidation, kInf), amounts);

  auto section = [](std::vector<CrossSectionMember> m) {
    EXPECT_EQ(verdict(CrossSection::check(m)), verdict(CrossSection::make(m, 0)));
    return verdict(CrossSection::make(m, 0));
  };
  EXPECT_EQ(section({}), "invalid cross-section: cross-section must contain at least one member");
  EXPECT_EQ(section({{-5, 0}}), "ok");
  EXPECT_EQ(section({{1, 1}, {kNaN, -1}}), "invalid cross-section: member change must be finite");
  EXPECT_EQ(section({{1, -1}}),
            "invalid cross-section: member volume must be finite and non-negative");
}

TEST(ErrorTexts, EveryVariantRenders) {
  using K = IndicatorError::Kind;
  const std::pair<IndicatorError, const char*> indicator[] = {
      {IndicatorError::period_zero(), "period must be greater than zero"},
      {IndicatorError::invalid_period("p"), "invalid period: p"},
      {{K::NonFiniteInput, {}}, "input value must be finite (got NaN or infinity)"},
      {{K::InvalidCandle, "c"}, "invalid candle: c"},
      {{K::InvalidTick, "t"}, "invalid tick: t"},
      {IndicatorError::non_positive_multiplier(), "multiplier must be greater than zero"},
      {{K::InvalidOrderBook, "b"}, "invalid order book: b"},
      {{K::InvalidTrade, "t"}, "invalid trade: t"},
      {{K::InvalidDerivativesTick, "d"}, "invalid derivatives tick: d"},
      {{K::InvalidCrossSection, "x"}, "invalid cross-section: x"},
      {IndicatorError::invalid_parameter("q"), "invalid parameter: q"},
  };
  for (const auto& [e, want] : indicator) EXPECT_EQ(to_string(e), want);

  using S = StrategyError::Kind;
  const std::pair<StrategyError, const char*> strategy[] = {
      {{S::InvalidStrategySpec, "s", {}}, "invalid strategy spec: s"},
      {StrategyError::unknown_indicator_type("NoSuchThing"), "unknown indicator type: NoSuchThing"},
      {StrategyError::invalid_parameters("Ema", to_string(IndicatorError::period_zero())),
       "invalid parameters for indicator Ema: period must be greater than zero"},
      {{S::UndeclaredIndicator, "u", {}}, "rule references undeclared indicator: u"},
      {{S::InvalidInputData, "i", {}}, "invalid input data: i"},
  };
  for (const auto& [e, want] : strategy) EXPECT_EQ(to_string(e), want);
}

// How the screener words a rejected record.
TEST(RecordValidation, WrappedAsInvalidInputData) {
  auto bad = Candle::make(0, 1, 1, 2, 1, 0);
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(to_string(StrategyError::invalid_input_data(bad.error())),
            "invalid input data: invalid candle: high must be >= low");
}

}  // namespace
}  // namespace tolvex
