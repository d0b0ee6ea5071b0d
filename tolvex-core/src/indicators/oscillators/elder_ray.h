#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/ema_stage.h"
#include "result.h"

namespace tolvex {

// Elder ray: the bar's high and low measured against an EMA of the close
// (bull and bear power).
class ElderRay final : public MultiOutputEvaluator {
 public:
  static Result<ElderRay, IndicatorError> create(std::size_t n);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return ema_.period(); }

 private:
  explicit ElderRay(std::size_t n) : ema_(n) {}
  EmaStage ema_;
};

}  // namespace tolvex
