#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/resummed_sum.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Relative vigor index: the 1-2-2-1 weighted bar body summed over n bars,
// divided by the likewise weighted and summed bar range.
class Rvi final : public IndicatorEvaluator {
 public:
  static Result<Rvi, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return bodies_.capacity() + 3; }

 private:
  struct Pair {
    double body = 0;
    double range = 0;
  };
  explicit Rvi(std::size_t n) : recent_(4), bodies_(n), ranges_(n) {}
  FifoWindow<Pair> recent_;
  ResummedSum bodies_;
  ResummedSum ranges_;
  // Weighted ranges in the window that are not 0.
  std::size_t ranged_ = 0;
  std::optional<double> last_;
};

}  // namespace tolvex
