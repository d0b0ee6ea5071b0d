#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/bands/ols_line.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Where the close sits between the projection bands (highs and lows carried
// forward along their regression slopes), 0 .. 100.
class ProjectionOscillator final : public IndicatorEvaluator {
 public:
  static Result<ProjectionOscillator, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return highs_.capacity(); }

 private:
  explicit ProjectionOscillator(std::size_t n) : highs_(n), lows_(n), line_(n) {}
  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
  OlsLine line_;
};

}  // namespace tolvex
