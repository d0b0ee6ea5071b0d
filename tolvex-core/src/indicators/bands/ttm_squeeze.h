// TTM squeeze: "squeeze" is 1 while the Bollinger bands sit inside the
// Keltner channel (volatility contraction), and "momentum" is the
// regression value at the newest bar of the close relative to the midpoint
// of the Donchian middle and the simple average.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "indicators/bands/ols_line.h"
#include "indicators/common/window_moments.h"
#include "indicators/volatility/atr.h"
#include "window.h"

namespace tolvex {

class TtmSqueeze final : public MultiOutputEvaluator {
 public:
  static Result<TtmSqueeze, IndicatorError> create(std::size_t n, double k_bb, double k_kc);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return sma_.capacity(); }

 private:
  TtmSqueeze(std::size_t n, double k_bb, double k_kc)
      : highs_(n),
        lows_(n),
        closes_(n),
        sma_(n),
        atr_(Atr::create(n).value()),
        line_(n),
        k_bb_(k_bb),
        k_kc_(k_kc) {}

  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
  WindowMoments closes_;  // also the close window of the regression
  SumWindow sma_;
  Atr atr_;
  OlsLine line_;
  double k_bb_;
  double k_kc_;
};

}  // namespace tolvex
