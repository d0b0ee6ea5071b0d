// The part shared by the range-based estimators (Parkinson, Garman-Klass,
// Rogers-Satchell): each bar gives one variance term, the last n terms are
// kept in a re-summed running sum, and the value is
// sqrt(max(sum * scale / n, 0)) annualised in percent.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>

#include "errors.h"
#include "indicators/common/annualise.h"
#include "indicators/common/non_negative.h"
#include "indicators/common/resummed_sum.h"
#include "indicators/common/storage_check.h"
#include "result.h"

namespace tolvex {

class RangeVolatility {
 public:
  // Both lengths must be positive; neither has a fixed upper bound, so only
  // a window that cannot be stored is refused.
  static Result<RangeVolatility, IndicatorError> create(std::size_t n, std::size_t bars_per_year,
                                                        double scale) {
    if (n == 0 || bars_per_year == 0) return err(IndicatorError::period_zero());
    if (auto ok = check_storage(n, sizeof(double)); !ok) return err(ok.error());
    return RangeVolatility(n, annualisation_factor(bars_per_year), scale);
  }

  // Adds one bar's term; returns the estimate once n terms are held.
  std::optional<double> push(double term) {
    terms_.push(term);
    if (!terms_.is_full()) return std::nullopt;
    double var = terms_.sum() * scale_ / static_cast<double>(terms_.capacity());
    return annualised_percent(std::sqrt(non_negative(var)), factor_);
  }

  std::size_t period() const { return terms_.capacity(); }

 private:
  RangeVolatility(std::size_t n, double factor, double scale)
      : terms_(n), factor_(factor), scale_(scale) {}

  ResummedSum terms_;
  double factor_;
  double scale_;
};

}  // namespace tolvex
