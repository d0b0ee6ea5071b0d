#include "records.h"

#include <cmath>

namespace tolvex {

namespace {

bool finite(double v) {
  return std::isfinite(v);
}
bool finite_positive(double v) {
  return std::isfinite(v) && v > 0;
}
bool finite_non_negative(double v) {
  return std::isfinite(v) && !(v < 0);
}

IndicatorError fail(IndicatorError::Kind kind, std::string_view message) {
  return {kind, message};
}

std::string_view candle_fault(const Candle& c) {
  if (!finite(c.open) || !finite(c.high) || !finite(c.low) || !finite(c.close))
    return "open, high, low, close must all be finite";
  if (!finite(c.volume)) return "volume must be finite";
  if (c.volume < 0) return "volume must be non-negative";
  if (c.low > c.high) return "high must be >= low";
  if (c.high < c.open || c.high < c.close) return "high must be >= open and >= close";
  if (c.low > c.open || c.low > c.close) return "low must be <= open and <= close";
  return {};
}

}  // namespace

Result<Candle, IndicatorError> Candle::make(int64_t time, double open, double high, double low,
                                            double close, double volume) {
  Candle c{time, open, high, low, close, volume};
  std::string_view fault = candle_fault(c);
  if (!fault.empty()) return err(fail(IndicatorError::Kind::InvalidCandle, fault));
  return c;
}

bool Candle::is_valid() const {
  return candle_fault(*this).empty();
}

Result<DerivativesTick, IndicatorError> DerivativesTick::validate(const DerivativesTick& t) {
  constexpr auto kind = IndicatorError::Kind::InvalidDerivativesTick;
  if (!finite(t.funding_rate)) return err(fail(kind, "funding_rate must be finite"));
  if (!finite_positive(t.mark_price) || !finite_positive(t.index_price) ||
      !finite_positive(t.futures_price))
    return err(fail(kind, "mark_price, index_price and futures_price must be finite and positive"));
  for (double v : {t.open_interest, t.long_size, t.short_size, t.taker_buy_volume,
                   t.taker_sell_volume, t.long_liquidation, t.short_liquidation}) {
    if (!finite_non_negative(v))
      return err(fail(
          kind, "open interest, sizes, volumes and liquidations must be finite and non-negative"));
  }
  return t;
}

Result<Level, IndicatorError> Level::make(double price, double size) {
  constexpr auto kind = IndicatorError::Kind::InvalidOrderBook;
  if (!finite_positive(price)) return err(fail(kind, "level price must be finite and positive"));
  if (!finite_non_negative(size))
    return err(fail(kind, "level size must be finite and non-negative"));
  return Level{price, size};
}

Status<IndicatorError> OrderBook::check(std::span<const Level> bids, std::span<const Level> asks) {
  constexpr auto kind = IndicatorError::Kind::InvalidOrderBook;
  for (std::span<const Level> side : {bids, asks}) {
    for (const Level& l : side) {
      auto checked = Level::make(l.price, l.size);
      if (!checked) return err(checked.error());
    }
  }
  if (bids.empty() || asks.empty())
    return err(fail(kind, "order book must have at least one bid and one ask"));
  for (size_t i = 1; i < bids.size(); ++i) {
    if (!(bids[i - 1].price > bids[i].price))
      return err(fail(kind, "bids must be strictly descending in price"));
  }
  for (size_t i = 1; i < asks.size(); ++i) {
    if (!(asks[i - 1].price < asks[i].price))
      return err(fail(kind, "asks must be strictly ascending in price"));
  }
  if (!(bids.front().price < asks.front().price))
    return err(fail(kind, "order book must be uncrossed (best_bid < best_ask)"));
  return Unit{};
}

Result<OrderBook, IndicatorError> OrderBook::make(std::vector<Level> bids,
                                                  std::vector<Level> asks) {
  if (auto checked = check(bids, asks); !checked) return err(checked.error());
  return OrderBook{std::move(bids), std::move(asks)};
}

Status<IndicatorError> validate_trades(std::span<const TradePrint> trades) {
  constexpr auto kind = IndicatorError::Kind::InvalidTrade;
  for (const TradePrint& t : trades) {
    if (!finite_positive(t.price))
      return err(fail(kind, "trade price must be finite and positive"));
    if (!finite_non_negative(t.size))
      return err(fail(kind, "trade size must be finite and non-negative"));
  }
  return Unit{};
}

Status<IndicatorError> CrossSection::check(std::span<const CrossSectionMember> members) {
  constexpr auto kind = IndicatorError::Kind::InvalidCrossSection;
  if (members.empty()) return err(fail(kind, "cross-section must contain at least one member"));
  for (const CrossSectionMember& m : members) {
    if (!finite(m.change)) return err(fail(kind, "member change must be finite"));
    if (!finite_non_negative(m.volume))
      return err(fail(kind, "member volume must be finite and non-negative"));
  }
  return Unit{};
}

Result<CrossSection, IndicatorError> CrossSection::make(std::vector<CrossSectionMember> members,
                                                        int64_t timestamp) {
  if (auto checked = check(members); !checked) return err(checked.error());
  return CrossSection{std::move(members), timestamp};
}

}  // namespace tolvex
