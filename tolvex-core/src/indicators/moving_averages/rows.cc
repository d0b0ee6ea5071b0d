#include "indicators/families.h"
#include "indicators/moving_averages/alma.h"
#include "indicators/moving_averages/dema.h"
#include "indicators/moving_averages/ehma.h"
#include "indicators/moving_averages/ema.h"
#include "indicators/moving_averages/evwma.h"
#include "indicators/moving_averages/fama.h"
#include "indicators/moving_averages/frama.h"
#include "indicators/moving_averages/generalized_dema.h"
#include "indicators/moving_averages/geometric_ma.h"
#include "indicators/moving_averages/hma.h"
#include "indicators/moving_averages/holt_winters.h"
#include "indicators/moving_averages/jma.h"
#include "indicators/moving_averages/kama.h"
#include "indicators/moving_averages/ma_envelope.h"
#include "indicators/moving_averages/mama.h"
#include "indicators/moving_averages/mc_ginley_dynamic.h"
#include "indicators/moving_averages/median_ma.h"
#include "indicators/moving_averages/sine_weighted_ma.h"
#include "indicators/moving_averages/sma.h"
#include "indicators/moving_averages/smma.h"
#include "indicators/moving_averages/super_smoother.h"
#include "indicators/moving_averages/t3.h"
#include "indicators/moving_averages/td_moving_average.h"
#include "indicators/moving_averages/tema.h"
#include "indicators/moving_averages/trima.h"
#include "indicators/moving_averages/vidya.h"
#include "indicators/moving_averages/vwma.h"
#include "indicators/moving_averages/wma.h"
#include "indicators/moving_averages/zlema.h"

namespace tolvex {

std::span<const IndicatorRow> moving_averages_rows() {
  // clang-format off
  static const IndicatorRow kRows[] = {
      {"Alma", "PRR", [](const Params& p) { return box(Alma::create(p.usize(0), p.f64(1), p.f64(2))); }},
      {"Dema", "P", [](const Params& p) { return box(Dema::create(p.usize(0))); }},
      {"Ehma", "P", [](const Params& p) { return box(Ehma::create(p.usize(0))); }},
      {"Ema", "P", [](const Params& p) { return box(Ema::create(p.usize(0))); }},
      {"Evwma", "P", [](const Params& p) { return box(Evwma::create(p.usize(0))); }},
      {"Fama", "RR", [](const Params& p) { return box(Fama::create(p.f64(0), p.f64(1))); }},
      {"Frama", "P", [](const Params& p) { return box(Frama::create(p.usize(0))); }},
      {"GeneralizedDema", "PR", [](const Params& p) { return box(GeneralizedDema::create(p.usize(0), p.f64(1))); }},
      {"GeometricMa", "P", [](const Params& p) { return box(GeometricMa::create(p.usize(0))); }},
      {"Hma", "P", [](const Params& p) { return box(Hma::create(p.usize(0))); }},
      {"HoltWinters", "RR", [](const Params& p) { return box(HoltWinters::create(p.f64(0), p.f64(1))); }},
      {"Jma", "PRU", [](const Params& p) { return box(Jma::create(p.usize(0), p.f64(1), p.u32(2))); }},
      {"Kama", "PPP", [](const Params& p) { return box(Kama::create(p.usize(0), p.usize(1), p.usize(2))); }},
      {"MaEnvelope", "PR", [](const Params& p) { return box(MaEnvelope::create(p.usize(0), p.f64(1))); }},
      {"Mama", "RR", [](const Params& p) { return box(Mama::create(p.f64(0), p.f64(1))); }},
      {"McGinleyDynamic", "P", [](const Params& p) { return box(McGinleyDynamic::create(p.usize(0))); }},
      {"MedianMa", "P", [](const Params& p) { return box(MedianMa::create(p.usize(0))); }},
      {"SineWeightedMa", "P", [](const Params& p) { return box(SineWeightedMa::create(p.usize(0))); }},
      {"Sma", "P", [](const Params& p) { return box(Sma::create(p.usize(0))); }},
      {"Smma", "P", [](const Params& p) { return box(Smma::create(p.usize(0))); }},
      {"SuperSmoother", "P", [](const Params& p) { return box(SuperSmoother::create(p.usize(0))); }},
      {"T3", "PR", [](const Params& p) { return box(T3::create(p.usize(0), p.f64(1))); }},
      {"TdMovingAverage", "PP", [](const Params& p) { return box(TdMovingAverage::create(p.usize(0), p.usize(1))); }},
      {"Tema", "P", [](const Params& p) { return box(Tema::create(p.usize(0))); }},
      {"Trima", "P", [](const Params& p) { return box(Trima::create(p.usize(0))); }},
      {"Vidya", "PP", [](const Params& p) { return box(Vidya::create(p.usize(0), p.usize(1))); }},
      {"Vwma", "P", [](const Params& p) { return box(Vwma::create(p.usize(0))); }},
      {"Wma", "P", [](const Params& p) { return box(Wma::create(p.usize(0))); }},
      {"Zlema", "P", [](const Params& p) { return box(Zlema::create(p.usize(0))); }},
  };
  // clang-format on
  return kRows;
}

}  // namespace tolvex
