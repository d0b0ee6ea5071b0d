#include "indicators/families.h"
#include "indicators/statistics/autocorrelation.h"
#include "indicators/statistics/coefficient_of_variation.h"
#include "indicators/statistics/detrended_std_dev.h"
#include "indicators/statistics/hurst_exponent.h"
#include "indicators/statistics/jarque_bera.h"
#include "indicators/statistics/k_ratio.h"
#include "indicators/statistics/kurtosis.h"
#include "indicators/statistics/lin_reg_angle.h"
#include "indicators/statistics/lin_reg_intercept.h"
#include "indicators/statistics/lin_reg_slope.h"
#include "indicators/statistics/linear_regression.h"
#include "indicators/statistics/log_return.h"
#include "indicators/statistics/median_absolute_deviation.h"
#include "indicators/statistics/mid_point.h"
#include "indicators/statistics/mid_price.h"
#include "indicators/statistics/r_squared.h"
#include "indicators/statistics/regime_label.h"
#include "indicators/statistics/rolling_iqr.h"
#include "indicators/statistics/rolling_min_max_scaler.h"
#include "indicators/statistics/rolling_percentile_rank.h"
#include "indicators/statistics/rolling_quantile.h"
#include "indicators/statistics/sample_entropy.h"
#include "indicators/statistics/seasonal_z_score.h"
#include "indicators/statistics/shannon_entropy.h"
#include "indicators/statistics/skewness.h"
#include "indicators/statistics/standard_error.h"
#include "indicators/statistics/std_dev.h"
#include "indicators/statistics/trend_label.h"
#include "indicators/statistics/tsf.h"
#include "indicators/statistics/tsf_oscillator.h"
#include "indicators/statistics/variance.h"
#include "indicators/statistics/variance_ratio.h"
#include "indicators/statistics/z_score.h"

namespace tolvex {

std::span<const IndicatorRow> statistics_rows() {
  static const IndicatorRow kRows[] = {
      {"Autocorrelation", "PP",
       [](const Params& p) { return box(Autocorrelation::create(p.usize(0), p.usize(1))); }},
      {"CoefficientOfVariation", "P",
       [](const Params& p) { return box(CoefficientOfVariation::create(p.usize(0))); }},
      {"DetrendedStdDev", "P",
       [](const Params& p) { return box(DetrendedStdDev::create(p.usize(0))); }},
      {"HurstExponent", "PP",
       [](const Params& p) { return box(HurstExponent::create(p.usize(0), p.usize(1))); }},
      {"JarqueBera", "P", [](const Params& p) { return box(JarqueBera::create(p.usize(0))); }},
      {"KRatio", "P", [](const Params& p) { return box(KRatio::create(p.usize(0))); }},
      {"Kurtosis", "P", [](const Params& p) { return box(Kurtosis::create(p.usize(0))); }},
      {"LinRegAngle", "P", [](const Params& p) { return box(LinRegAngle::create(p.usize(0))); }},
      {"LinRegIntercept", "P",
       [](const Params& p) { return box(LinRegIntercept::create(p.usize(0))); }},
      {"LinRegSlope", "P", [](const Params& p) { return box(LinRegSlope::create(p.usize(0))); }},
      {"LinearRegression", "P",
       [](const Params& p) { return box(LinearRegression::create(p.usize(0))); }},
      {"LogReturn", "P", [](const Params& p) { return box(LogReturn::create(p.usize(0))); }},
      {"MedianAbsoluteDeviation", "P",
       [](const Params& p) { return box(MedianAbsoluteDeviation::create(p.usize(0))); }},
      {"MidPoint", "P", [](const Params& p) { return box(MidPoint::create(p.usize(0))); }},
      {"MidPrice", "P", [](const Params& p) { return box(MidPrice::create(p.usize(0))); }},
      {"RSquared", "P", [](const Params& p) { return box(RSquared::create(p.usize(0))); }},
      {"RegimeLabel", "PP",
       [](const Params& p) { return box(RegimeLabel::create(p.usize(0), p.usize(1))); }},
      {"RollingIqr", "P", [](const Params& p) { return box(RollingIqr::create(p.usize(0))); }},
      {"RollingMinMaxScaler", "P",
       [](const Params& p) { return box(RollingMinMaxScaler::create(p.usize(0))); }},
      {"RollingPercentileRank", "P",
       [](const Params& p) { return box(RollingPercentileRank::create(p.usize(0))); }},
      {"RollingQuantile", "PR",
       [](const Params& p) { return box(RollingQuantile::create(p.usize(0), p.f64(1))); }},
      {"SampleEntropy", "PPR",
       [](const Params& p) {
         return box(SampleEntropy::create(p.usize(0), p.usize(1), p.f64(2)));
       }},
      {"SeasonalZScore", "I",
       [](const Params& p) { return box(SeasonalZScore::create(p.i32(0))); }},
      {"ShannonEntropy", "PP",
       [](const Params& p) { return box(ShannonEntropy::create(p.usize(0), p.usize(1))); }},
      {"Skewness", "P", [](const Params& p) { return box(Skewness::create(p.usize(0))); }},
      {"StandardError", "P",
       [](const Params& p) { return box(StandardError::create(p.usize(0))); }},
      {"StdDev", "P", [](const Params& p) { return box(StdDev::create(p.usize(0))); }},
      {"TrendLabel", "P", [](const Params& p) { return box(TrendLabel::create(p.usize(0))); }},
      {"Tsf", "P", [](const Params& p) { return box(Tsf::create(p.usize(0))); }},
      {"TsfOscillator", "P",
       [](const Params& p) { return box(TsfOscillator::create(p.usize(0))); }},
      {"Variance", "P", [](const Params& p) { return box(Variance::create(p.usize(0))); }},
      {"VarianceRatio", "PP",
       [](const Params& p) { return box(VarianceRatio::create(p.usize(0), p.usize(1))); }},
      {"ZScore", "P", [](const Params& p) { return box(ZScore::create(p.usize(0))); }},
  };
  return kRows;
}

}  // namespace tolvex
