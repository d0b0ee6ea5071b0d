#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Kaufman adaptive average: the smoothing constant follows the efficiency
// ratio (net change over path length) of the last n steps.
class Kama final : public IndicatorEvaluator {
 public:
  static Result<Kama, IndicatorError> create(std::size_t n, std::size_t fast, std::size_t slow);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_ + 1; }

 private:
  Kama(std::size_t n, std::size_t fast, std::size_t slow);
  LagWindow lag_;
  std::size_t n_;
  double fast_, slow_;
  std::optional<double> value_;
};

}  // namespace tolvex
