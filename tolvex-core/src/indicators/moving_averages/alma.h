#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Arnaud Legoux average: Gaussian weights centred at offset * (n - 1).
class Alma final : public IndicatorEvaluator {
 public:
  static Result<Alma, IndicatorError> create(std::size_t n, double offset, double sigma);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return win_.capacity(); }

 private:
  Alma(std::size_t n, double offset, double sigma);
  FifoWindow<double> win_;
  std::vector<double> weights_;
};

}  // namespace tolvex
