// Elder's safe-zone stop: a trailing stop placed m times the average
// downside (upside) penetration below the low (above the high). Averages
// count only the bars that actually penetrated. The stop starts long, only
// ratchets in the trade's favour and flips when the close crosses it.
#pragma once

#include <cstddef>
#include <optional>

#include "indicator.h"
#include "window.h"

namespace tolvex {

class ElderSafeZone final : public MultiOutputEvaluator {
 public:
  static Result<ElderSafeZone, IndicatorError> create(std::size_t n, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return down_.values.capacity() + 1; }

 private:
  // A window of penetrations with their running sum and how many are > 0.
  struct Penetrations {
    explicit Penetrations(std::size_t n) : values(n) {}
    void push(double x);
    double average() const { return positive == 0 ? 0.0 : sum / static_cast<double>(positive); }

    FifoWindow<double> values;
    double sum = 0;
    std::size_t positive = 0;
  };

  ElderSafeZone(std::size_t n, double m) : down_(n), up_(n), m_(m) {}

  Penetrations down_;
  Penetrations up_;
  double m_;
  std::optional<Candle> prev_;
  int direction_ = 0;
  double stop_ = 0;
};

}  // namespace tolvex
