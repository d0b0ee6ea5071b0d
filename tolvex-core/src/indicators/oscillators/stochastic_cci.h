#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/momentum/cci.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// The stochastic of the last n values of Cci(n), 0 to 100.
class StochasticCci final : public IndicatorEvaluator {
 public:
  static Result<StochasticCci, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return 2 * n_ - 1; }

 private:
  StochasticCci(std::size_t n, Cci cci)
      : n_(n),
        cci_(std::move(cci)),
        max_(n, ExtremeQueue::Kind::Max),
        min_(n, ExtremeQueue::Kind::Min) {}
  std::size_t n_;
  Cci cci_;
  ExtremeQueue max_, min_;
};

}  // namespace tolvex
