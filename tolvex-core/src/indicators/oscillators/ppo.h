#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Percentage price oscillator: the EMA difference as a percentage of the
// slow EMA (0 when the slow EMA is 0). Also the stage of PpoHistogram.
class Ppo final : public IndicatorEvaluator {
 public:
  static Result<Ppo, IndicatorError> create(std::size_t fast, std::size_t slow);
  // The fast/slow rules shared with PpoHistogram.
  static Status<IndicatorError> check(std::size_t fast, std::size_t slow);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return slow_.period(); }

  // One finite close in, the percentage once both averages exist.
  std::optional<double> push(double x);

 private:
  friend class PpoHistogram;
  Ppo(std::size_t fast, std::size_t slow) : fast_(fast), slow_(slow) {}
  EmaStage fast_, slow_;
};

}  // namespace tolvex
