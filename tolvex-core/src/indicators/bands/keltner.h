// Keltner channel: an exponential average of the close with bands at m
// times Wilder's average true range.
#pragma once

#include <algorithm>
#include <cstddef>

#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "indicators/volatility/atr.h"

namespace tolvex {

class Keltner final : public MultiOutputEvaluator {
 public:
  static Result<Keltner, IndicatorError> create(std::size_t a, std::size_t b, double m);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return std::max(ema_.period(), atr_.warmup()); }

 private:
  Keltner(std::size_t a, std::size_t b, double m) : ema_(a), atr_(Atr::create(b).value()), m_(m) {}

  EmaStage ema_;
  Atr atr_;
  double m_;
};

}  // namespace tolvex
