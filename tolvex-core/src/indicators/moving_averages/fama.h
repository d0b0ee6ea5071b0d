#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/moving_averages/mama.h"
#include "result.h"

namespace tolvex {

// The following line of the MESA adaptive engine alone.
class Fama final : public IndicatorEvaluator {
 public:
  static Result<Fama, IndicatorError> create(double fast_limit, double slow_limit);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 33; }

 private:
  explicit Fama(MesaAdaptive engine) : engine_(engine) {}
  MesaAdaptive engine_;
};

}  // namespace tolvex
