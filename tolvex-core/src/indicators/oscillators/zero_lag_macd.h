#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/zlema.h"
#include "indicators/oscillators/macd_stage.h"
#include "result.h"

namespace tolvex {

// MACD built from zero-lag exponential averages for the fast, slow and
// signal lines.
class ZeroLagMacd final : public MacdLines {
 public:
  static Result<ZeroLagMacd, IndicatorError> create(std::size_t fast, std::size_t slow,
                                                    std::size_t signal);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return warmup_; }

 private:
  ZeroLagMacd(Zlema fast, Zlema slow, Zlema signal, std::size_t warmup)
      : fast_(std::move(fast)),
        slow_(std::move(slow)),
        signal_(std::move(signal)),
        warmup_(warmup) {}
  Zlema fast_, slow_, signal_;
  std::size_t warmup_;
};

}  // namespace tolvex
