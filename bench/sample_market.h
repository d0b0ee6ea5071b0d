// A deterministic sample market for the benchmarks and developer tools: a
// random walk of valid bars with a reference close, plus a small pool of
// side-feed records (derivatives ticks, trade prints, order books and
// cross-sections) that steps cycle through. The same seed always gives the
// same series.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "indicator.h"
#include "registry.h"

namespace tolvex::sample {

// 64-bit linear congruential generator; uniform doubles in [0, 1).
struct Lcg {
  uint64_t s;
  double next() {
    s = s * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(s >> 11) / 9007199254740992.0;
  }
};

struct Shape {
  uint64_t seed = 20240611;
  int64_t first_time = 0;
  int64_t bar_ms = 60000;  // time between bars
  double step = 0.02;      // largest relative move of a close
  double wick = 0.005;     // largest relative wick beyond open and close
  double ref_step = 0.015;
  std::size_t pool = 256;     // side-feed records, cycled by step
  bool stamp_records = true;  // give pooled records a running timestamp
};

class Market {
 public:
  explicit Market(Shape shape) : shape_(shape), rng_{shape.seed} { fill_pool(); }

  // Extends the series to at least n bars.
  void grow(std::size_t n) {
    double close = bars.empty() ? 100 : bars.back().close;
    double ref = reference.empty() ? 50 : reference.back();
    while (bars.size() < n) {
      double open = close;
      close = std::max(1.0, open * (1 + (rng_.next() - 0.5) * shape_.step));
      double high = std::max(open, close) * (1 + rng_.next() * shape_.wick);
      double low = std::min(open, close) * (1 - rng_.next() * shape_.wick);
      double volume = 1000 + rng_.next() * 9000;
      int64_t t = shape_.first_time + static_cast<int64_t>(bars.size()) * shape_.bar_ms;
      bars.push_back({t, open, high, low, close, volume});
      ref = std::max(1.0, ref * (1 + (rng_.next() - 0.5) * shape_.ref_step));
      reference.push_back(ref);
    }
  }

  // The step with every side feed (records cycled from the pool).
  IndicatorInput full(std::size_t i) const {
    std::size_t k = i % deriv.size();
    return IndicatorInput{reference[i], deriv[k], bars[i], trades[k], &books[k], &sections[k]};
  }
  // The step with only the bar and the reference close.
  IndicatorInput plain(std::size_t i) const {
    return IndicatorInput{reference[i], std::nullopt, bars[i], {}, nullptr, nullptr};
  }

  std::vector<Candle> bars;
  std::vector<double> reference;
  std::vector<DerivativesTick> deriv;
  std::vector<std::vector<TradePrint>> trades;
  std::vector<OrderBook> books;
  std::vector<CrossSection> sections;

 private:
  void fill_pool() {
    for (std::size_t i = 0; i < shape_.pool; ++i) {
      int64_t stamp = shape_.stamp_records ? static_cast<int64_t>(i) : 0;
      double mid = 100 * (1 + (rng_.next() - 0.5) * 0.1);
      DerivativesTick t;
      t.funding_rate = (rng_.next() - 0.5) * 0.001;
      t.mark_price = mid;
      t.index_price = mid * (1 + (rng_.next() - 0.5) * 0.001);
      t.futures_price = mid * (1 + rng_.next() * 0.002);
      t.open_interest = 1e6 * (1 + rng_.next());
      t.long_size = 1e5 * (1 + rng_.next());
      t.short_size = 1e5 * (1 + rng_.next());
      t.taker_buy_volume = 1e4 * rng_.next();
      t.taker_sell_volume = 1e4 * rng_.next();
      t.long_liquidation = 100 * rng_.next();
      t.short_liquidation = 100 * rng_.next();
      t.timestamp = stamp;
      deriv.push_back(t);

      std::vector<TradePrint> prints;
      for (int k = 0; k < 4; ++k)
        prints.push_back({mid * (1 + (rng_.next() - 0.5) * 0.002), 1 + rng_.next() * 10,
                          rng_.next() < 0.5 ? TradeSide::Buy : TradeSide::Sell,
                          shape_.stamp_records ? stamp * 4 + k : 0});
      trades.push_back(std::move(prints));

      std::vector<Level> bids, asks;
      for (int k = 0; k < 5; ++k) {
        bids.push_back({mid - 0.01 * (k + 1), 10 + rng_.next() * 90});
        asks.push_back({mid + 0.01 * (k + 1), 10 + rng_.next() * 90});
      }
      books.push_back(OrderBook::make(std::move(bids), std::move(asks)).value());

      std::vector<CrossSectionMember> members;
      for (int k = 0; k < 20; ++k)
        members.push_back({(rng_.next() - 0.5) * 0.04, 1e5 * rng_.next(), rng_.next() < 0.1,
                           rng_.next() < 0.1, rng_.next() < 0.5, rng_.next() < 0.5});
      sections.push_back(CrossSection::make(std::move(members), stamp).value());
    }
  }

  Shape shape_;
  Lcg rng_;
};

// Typical parameters per type, from the per-family tables in bench/params.
struct Typical {
  std::string_view name;
  std::vector<double> params;
};

inline const std::vector<Typical>& typical_table() {
  static const std::vector<Typical> kTable = {
#include "params/bands.inc"
#include "params/momentum.inc"
#include "params/moving_averages.inc"
#include "params/oscillators.inc"
#include "params/statistics.inc"
#include "params/volatility.inc"
  };
  return kTable;
}

// The typical parameters of `row`, if its family's table lists it.
inline const std::vector<double>* typical_params(const IndicatorRow& row) {
  for (const Typical& t : typical_table())
    if (t.name == row.name) return &t.params;
  return nullptr;
}

// Defaults by parameter kind: P 14, R 2, I and U 1.
inline std::vector<double> default_params(const IndicatorRow& row) {
  std::vector<double> p;
  for (char kind : row.params) p.push_back(kind == 'P' ? 14 : kind == 'R' ? 2 : 1);
  return p;
}

}  // namespace tolvex::sample
