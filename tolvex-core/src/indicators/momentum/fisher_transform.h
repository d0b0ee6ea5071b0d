#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "result.h"
#include "window.h"

namespace tolvex {

// Ehlers' Fisher transform of the close's position in its n-close range,
// which turns that bounded position into a roughly Gaussian series.
class FisherTransform final : public IndicatorEvaluator {
 public:
  static Result<FisherTransform, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return n_; }

 private:
  explicit FisherTransform(std::size_t n)
      : n_(n), highest_(n, ExtremeQueue::Kind::Max), lowest_(n, ExtremeQueue::Kind::Min) {}
  std::size_t n_;
  ExtremeQueue highest_;
  ExtremeQueue lowest_;
  double smoothed_ = 0.0;
  double last_ = 0.0;
};

}  // namespace tolvex
