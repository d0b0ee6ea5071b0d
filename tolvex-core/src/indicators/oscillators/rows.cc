#include "indicators/families.h"
#include "indicators/oscillators/accelerator_oscillator.h"
#include "indicators/oscillators/apo.h"
#include "indicators/oscillators/awesome_oscillator.h"
#include "indicators/oscillators/awesome_oscillator_histogram.h"
#include "indicators/oscillators/elder_impulse.h"
#include "indicators/oscillators/elder_ray.h"
#include "indicators/oscillators/kase_permission_stochastic.h"
#include "indicators/oscillators/macd_fix.h"
#include "indicators/oscillators/macd_histogram.h"
#include "indicators/oscillators/macd_indicator.h"
#include "indicators/oscillators/ppo.h"
#include "indicators/oscillators/ppo_histogram.h"
#include "indicators/oscillators/qqe.h"
#include "indicators/oscillators/smi.h"
#include "indicators/oscillators/stc.h"
#include "indicators/oscillators/stoch_rsi.h"
#include "indicators/oscillators/stochastic.h"
#include "indicators/oscillators/stochastic_cci.h"
#include "indicators/oscillators/volume_weighted_macd.h"
#include "indicators/oscillators/wave_trend.h"
#include "indicators/oscillators/williams_r.h"
#include "indicators/oscillators/zero_lag_macd.h"

namespace tolvex {

std::span<const IndicatorRow> oscillators_rows() {
  static const IndicatorRow kRows[] = {
      {"AcceleratorOscillator", "PPP",
       [](const Params& p) {
         return box(AcceleratorOscillator::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
      {"Apo", "PP", [](const Params& p) { return box(Apo::create(p.usize(0), p.usize(1))); }},
      {"AwesomeOscillator", "PP",
       [](const Params& p) { return box(AwesomeOscillator::create(p.usize(0), p.usize(1))); }},
      {"AwesomeOscillatorHistogram", "PPP",
       [](const Params& p) {
         return box(AwesomeOscillatorHistogram::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
      {"ElderImpulse", "PPPP",
       [](const Params& p) {
         return box(ElderImpulse::create(p.usize(0), p.usize(1), p.usize(2), p.usize(3)));
       }},
      {"ElderRay", "P", [](const Params& p) { return box(ElderRay::create(p.usize(0))); }},
      {"KasePermissionStochastic", "PP",
       [](const Params& p) {
         return box(KasePermissionStochastic::create(p.usize(0), p.usize(1)));
       }},
      {"MacdFix", "P", [](const Params& p) { return box(MacdFix::create(p.usize(0))); }},
      {"MacdHistogram", "PPP",
       [](const Params& p) {
         return box(MacdHistogram::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
      {"MacdIndicator", "PPP",
       [](const Params& p) {
         return box(MacdIndicator::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
      {"Ppo", "PP", [](const Params& p) { return box(Ppo::create(p.usize(0), p.usize(1))); }},
      {"PpoHistogram", "PPP",
       [](const Params& p) {
         return box(PpoHistogram::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
      {"Qqe", "PPR",
       [](const Params& p) { return box(Qqe::create(p.usize(0), p.usize(1), p.f64(2))); }},
      {"Smi", "PPP",
       [](const Params& p) { return box(Smi::create(p.usize(0), p.usize(1), p.usize(2))); }},
      {"Stc", "PPPR",
       [](const Params& p) {
         return box(Stc::create(p.usize(0), p.usize(1), p.usize(2), p.f64(3)));
       }},
      {"StochRsi", "PP",
       [](const Params& p) { return box(StochRsi::create(p.usize(0), p.usize(1))); }},
      {"Stochastic", "PP",
       [](const Params& p) { return box(Stochastic::create(p.usize(0), p.usize(1))); }},
      {"StochasticCci", "P",
       [](const Params& p) { return box(StochasticCci::create(p.usize(0))); }},
      {"VolumeWeightedMacd", "PPP",
       [](const Params& p) {
         return box(VolumeWeightedMacd::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
      {"WaveTrend", "PPP",
       [](const Params& p) { return box(WaveTrend::create(p.usize(0), p.usize(1), p.usize(2))); }},
      {"WilliamsR", "P", [](const Params& p) { return box(WilliamsR::create(p.usize(0))); }},
      {"ZeroLagMacd", "PPP",
       [](const Params& p) {
         return box(ZeroLagMacd::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
  };
  return kRows;
}

}  // namespace tolvex
