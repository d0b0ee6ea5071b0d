// Donchian channel: highest high and lowest low of the last n bars.
#pragma once

#include <cstddef>

#include "indicator.h"
#include "window.h"

namespace tolvex {

class Donchian final : public MultiOutputEvaluator {
 public:
  static Result<Donchian, IndicatorError> create(std::size_t n);
  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return highs_.capacity(); }

 private:
  explicit Donchian(std::size_t n) : highs_(n), lows_(n) {}

  FifoWindow<double> highs_;
  FifoWindow<double> lows_;
};

}  // namespace tolvex
