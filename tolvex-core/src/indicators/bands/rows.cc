#include "indicators/bands/acceleration_bands.h"
#include "indicators/bands/atr_bands.h"
#include "indicators/bands/bollinger_bands.h"
#include "indicators/bands/bollinger_bandwidth.h"
#include "indicators/bands/bomar_bands.h"
#include "indicators/bands/donchian.h"
#include "indicators/bands/double_bollinger.h"
#include "indicators/bands/elder_safe_zone.h"
#include "indicators/bands/fractal_chaos_bands.h"
#include "indicators/bands/hurst_channel.h"
#include "indicators/bands/kase_dev_stop.h"
#include "indicators/bands/keltner.h"
#include "indicators/bands/lin_reg_channel.h"
#include "indicators/bands/median_channel.h"
#include "indicators/bands/percent_b.h"
#include "indicators/bands/projection_bands.h"
#include "indicators/bands/quartile_bands.h"
#include "indicators/bands/standard_error_bands.h"
#include "indicators/bands/starc_bands.h"
#include "indicators/bands/ttm_squeeze.h"
#include "indicators/bands/vwap_std_dev_bands.h"
#include "indicators/families.h"

namespace tolvex {

std::span<const IndicatorRow> bands_rows() {
  // The alias Bollinger is resolved by the registry, not listed here.
  static const IndicatorRow kRows[] = {
      {"AccelerationBands", "PR",
       [](const Params& p) { return box(AccelerationBands::create(p.usize(0), p.f64(1))); }},
      {"AtrBands", "PR",
       [](const Params& p) { return box(AtrBands::create(p.usize(0), p.f64(1))); }},
      {"BollingerBands", "PR",
       [](const Params& p) { return box(BollingerBands::create(p.usize(0), p.f64(1))); }},
      {"BollingerBandwidth", "PR",
       [](const Params& p) { return box(BollingerBandwidth::create(p.usize(0), p.f64(1))); }},
      {"BomarBands", "PR",
       [](const Params& p) { return box(BomarBands::create(p.usize(0), p.f64(1))); }},
      {"Donchian", "P", [](const Params& p) { return box(Donchian::create(p.usize(0))); }},
      {"DoubleBollinger", "PRR",
       [](const Params& p) {
         return box(DoubleBollinger::create(p.usize(0), p.f64(1), p.f64(2)));
       }},
      {"ElderSafeZone", "PR",
       [](const Params& p) { return box(ElderSafeZone::create(p.usize(0), p.f64(1))); }},
      {"FractalChaosBands", "P",
       [](const Params& p) { return box(FractalChaosBands::create(p.usize(0))); }},
      {"HurstChannel", "PR",
       [](const Params& p) { return box(HurstChannel::create(p.usize(0), p.f64(1))); }},
      {"KaseDevStop", "PR",
       [](const Params& p) { return box(KaseDevStop::create(p.usize(0), p.f64(1))); }},
      {"Keltner", "PPR",
       [](const Params& p) { return box(Keltner::create(p.usize(0), p.usize(1), p.f64(2))); }},
      {"LinRegChannel", "PR",
       [](const Params& p) { return box(LinRegChannel::create(p.usize(0), p.f64(1))); }},
      {"MedianChannel", "PR",
       [](const Params& p) { return box(MedianChannel::create(p.usize(0), p.f64(1))); }},
      {"PercentB", "PR",
       [](const Params& p) { return box(PercentB::create(p.usize(0), p.f64(1))); }},
      {"ProjectionBands", "P",
       [](const Params& p) { return box(ProjectionBands::create(p.usize(0))); }},
      {"QuartileBands", "P",
       [](const Params& p) { return box(QuartileBands::create(p.usize(0))); }},
      {"StandardErrorBands", "PR",
       [](const Params& p) { return box(StandardErrorBands::create(p.usize(0), p.f64(1))); }},
      {"StarcBands", "PPR",
       [](const Params& p) { return box(StarcBands::create(p.usize(0), p.usize(1), p.f64(2))); }},
      {"TtmSqueeze", "PRR",
       [](const Params& p) { return box(TtmSqueeze::create(p.usize(0), p.f64(1), p.f64(2))); }},
      {"VwapStdDevBands", "R",
       [](const Params& p) { return box(VwapStdDevBands::create(p.f64(0))); }},
  };
  return kRows;
}

}  // namespace tolvex
