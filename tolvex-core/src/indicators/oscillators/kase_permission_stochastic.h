#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Kase permission stochastic: the raw stochastic of the last n bars,
// smoothed once (fast) and twice (slow) by EMA stages of length s.
class KasePermissionStochastic final : public MultiOutputEvaluator {
 public:
  static Result<KasePermissionStochastic, IndicatorError> create(std::size_t n, std::size_t s);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 2 * fast_.period() - 2; }

 private:
  KasePermissionStochastic(std::size_t n, std::size_t s)
      : n_(n),
        highs_(n, ExtremeQueue::Kind::Max),
        lows_(n, ExtremeQueue::Kind::Min),
        fast_(s),
        slow_(s) {}
  std::size_t n_;
  ExtremeQueue highs_, lows_;
  EmaStage fast_, slow_;
};

}  // namespace tolvex
