#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/momentum/signed_sums.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Trend intensity index: how much of the close's recent deviation from its
// m-close mean lies above the mean, 0 .. 100.
class Tii final : public IndicatorEvaluator {
 public:
  static Result<Tii, IndicatorError> create(std::size_t m, std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return mean_.capacity() + devs_.capacity() - 1; }

 private:
  Tii(std::size_t m, std::size_t n) : mean_(m), devs_(n) {}
  SumWindow mean_;
  SignedSums devs_;
};

}  // namespace tolvex
