#include "indicators/volatility/yang_zhang_volatility.h"

#include <cmath>

#include "indicators/common/annualise.h"
#include "indicators/common/non_negative.h"
#include "indicators/volatility/rogers_satchell_term.h"

namespace tolvex {

Result<YangZhangVolatility, IndicatorError> YangZhangVolatility::create(std::size_t n,
                                                                        std::size_t bars_per_year) {
  if (n == 0 || bars_per_year == 0) return err(IndicatorError::period_zero());
  if (n == 1) return err(IndicatorError::invalid_period("Yang-Zhang period must be >= 2"));
  if (auto ok = check_period(n); !ok) return err(ok.error());
  return YangZhangVolatility(n, annualisation_factor(bars_per_year));
}

YangZhangVolatility::YangZhangVolatility(std::size_t n, double factor)
    : overnight_(n), open_close_(n), rs_(n), factor_(factor) {
  double len = static_cast<double>(n);
  k_ = 0.34 / (1.34 + (len + 1.0) / (len - 1.0));
}

std::optional<double> YangZhangVolatility::update(const IndicatorInput& in) {
  auto bar = valid_bar(in);
  if (!bar) return std::nullopt;
  std::optional<double> prev = prev_close_;
  prev_close_ = bar->close;
  if (!prev) return std::nullopt;
  // Both moment windows take one value per bar, so they recentre together.
  overnight_.push(std::log(bar->open / *prev));
  open_close_.push(std::log(bar->close / bar->open));
  rs_.push(rogers_satchell_term(*bar));
  if (!rs_.is_full()) return std::nullopt;
  double rs_var = non_negative(rs_.sum() / static_cast<double>(rs_.capacity()));
  double var =
      overnight_.sample_variance() + k_ * open_close_.sample_variance() + (1.0 - k_) * rs_var;
  return annualised_percent(std::sqrt(non_negative(var)), factor_);
}

}  // namespace tolvex
