#pragma once

#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicator.h"
#include "indicators/common/window_moments.h"
#include "indicators/volatility/running_window_sum.h"
#include "result.h"

namespace tolvex {

// Yang-Zhang estimator over n bars: overnight variance + k * open-to-close
// variance + (1 - k) * mean Rogers-Satchell term, with
// k = 0.34 / (1.34 + (n + 1) / (n - 1)); annualised with p bars per year, in
// percent. The first bar only gives the previous close. The moment sums are
// recentred every n bars and the plain sum of the Rogers-Satchell terms is
// redone once it has turned non-finite, so a bar with a zero price poisons
// the value only while it is in the window.
class YangZhangVolatility final : public IndicatorEvaluator {
 public:
  static Result<YangZhangVolatility, IndicatorError> create(std::size_t n,
                                                            std::size_t bars_per_year);

  std::optional<double> update(const IndicatorInput& in) override;
  std::size_t warmup() const override { return overnight_.capacity() + 1; }

 private:
  YangZhangVolatility(std::size_t n, double factor);

  WindowMoments overnight_;
  WindowMoments open_close_;
  RunningWindowSum rs_;
  double k_;
  double factor_;
  std::optional<double> prev_close_;
};

}  // namespace tolvex
