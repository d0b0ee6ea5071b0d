#include "indicators/families.h"
#include "indicators/volatility/atr.h"
#include "indicators/volatility/average_daily_range.h"
#include "indicators/volatility/bipower_variation.h"
#include "indicators/volatility/chaikin_volatility.h"
#include "indicators/volatility/ewma_volatility.h"
#include "indicators/volatility/garch11.h"
#include "indicators/volatility/garman_klass_volatility.h"
#include "indicators/volatility/high_low_range.h"
#include "indicators/volatility/historical_volatility.h"
#include "indicators/volatility/jump_indicator.h"
#include "indicators/volatility/mass_index.h"
#include "indicators/volatility/natr.h"
#include "indicators/volatility/parkinson_volatility.h"
#include "indicators/volatility/realized_volatility.h"
#include "indicators/volatility/rogers_satchell_volatility.h"
#include "indicators/volatility/rvi_volatility.h"
#include "indicators/volatility/true_range.h"
#include "indicators/volatility/volatility_cone.h"
#include "indicators/volatility/volatility_of_volatility.h"
#include "indicators/volatility/volatility_ratio.h"
#include "indicators/volatility/yang_zhang_volatility.h"

namespace tolvex {

std::span<const IndicatorRow> volatility_rows() {
  static const IndicatorRow kRows[] = {
      {"Atr", "P", [](const Params& p) { return box(Atr::create(p.usize(0))); }},
      {"AverageDailyRange", "PI",
       [](const Params& p) { return box(AverageDailyRange::create(p.usize(0), p.i32(1))); }},
      {"BipowerVariation", "P",
       [](const Params& p) { return box(BipowerVariation::create(p.usize(0))); }},
      {"ChaikinVolatility", "PP",
       [](const Params& p) { return box(ChaikinVolatility::create(p.usize(0), p.usize(1))); }},
      {"EwmaVolatility", "R",
       [](const Params& p) { return box(EwmaVolatility::create(p.f64(0))); }},
      {"Garch11", "RRR",
       [](const Params& p) { return box(Garch11::create(p.f64(0), p.f64(1), p.f64(2))); }},
      {"GarmanKlassVolatility", "PP",
       [](const Params& p) { return box(GarmanKlassVolatility::create(p.usize(0), p.usize(1))); }},
      {"HighLowRange", "", [](const Params&) { return box(HighLowRange::create()); }},
      {"HistoricalVolatility", "PP",
       [](const Params& p) { return box(HistoricalVolatility::create(p.usize(0), p.usize(1))); }},
      {"JumpIndicator", "PR",
       [](const Params& p) { return box(JumpIndicator::create(p.usize(0), p.f64(1))); }},
      {"MassIndex", "PP",
       [](const Params& p) { return box(MassIndex::create(p.usize(0), p.usize(1))); }},
      {"Natr", "P", [](const Params& p) { return box(Natr::create(p.usize(0))); }},
      {"ParkinsonVolatility", "PP",
       [](const Params& p) { return box(ParkinsonVolatility::create(p.usize(0), p.usize(1))); }},
      {"RealizedVolatility", "P",
       [](const Params& p) { return box(RealizedVolatility::create(p.usize(0))); }},
      {"RogersSatchellVolatility", "PP",
       [](const Params& p) {
         return box(RogersSatchellVolatility::create(p.usize(0), p.usize(1)));
       }},
      {"RviVolatility", "P",
       [](const Params& p) { return box(RviVolatility::create(p.usize(0))); }},
      {"TrueRange", "", [](const Params&) { return box(TrueRange::create()); }},
      {"VolatilityCone", "PP",
       [](const Params& p) { return box(VolatilityCone::create(p.usize(0), p.usize(1))); }},
      {"VolatilityOfVolatility", "PP",
       [](const Params& p) { return box(VolatilityOfVolatility::create(p.usize(0), p.usize(1))); }},
      {"VolatilityRatio", "P",
       [](const Params& p) { return box(VolatilityRatio::create(p.usize(0))); }},
      {"YangZhangVolatility", "PP",
       [](const Params& p) { return box(YangZhangVolatility::create(p.usize(0), p.usize(1))); }},
  };
  return kRows;
}

}  // namespace tolvex
