#include "indicators/families.h"
#include "indicators/momentum/adaptive_cci.h"
#include "indicators/momentum/adaptive_rsi.h"
#include "indicators/momentum/anchored_rsi.h"
#include "indicators/momentum/balance_of_power.h"
#include "indicators/momentum/cci.h"
#include "indicators/momentum/cfo.h"
#include "indicators/momentum/cmo.h"
#include "indicators/momentum/connors_rsi.h"
#include "indicators/momentum/coppock.h"
#include "indicators/momentum/derivative_oscillator.h"
#include "indicators/momentum/disparity_index.h"
#include "indicators/momentum/dpo.h"
#include "indicators/momentum/dynamic_momentum_index.h"
#include "indicators/momentum/fisher_rsi.h"
#include "indicators/momentum/fisher_transform.h"
#include "indicators/momentum/heikin_ashi_oscillator.h"
#include "indicators/momentum/inertia.h"
#include "indicators/momentum/intraday_momentum_index.h"
#include "indicators/momentum/inverse_fisher_transform.h"
#include "indicators/momentum/kst.h"
#include "indicators/momentum/laguerre_rsi.h"
#include "indicators/momentum/mom.h"
#include "indicators/momentum/pgo.h"
#include "indicators/momentum/pmo.h"
#include "indicators/momentum/projection_oscillator.h"
#include "indicators/momentum/qstick.h"
#include "indicators/momentum/rmi.h"
#include "indicators/momentum/roc.h"
#include "indicators/momentum/rocp.h"
#include "indicators/momentum/rocr.h"
#include "indicators/momentum/rocr100.h"
#include "indicators/momentum/rsi.h"
#include "indicators/momentum/rsx.h"
#include "indicators/momentum/rvi.h"
#include "indicators/momentum/tii.h"
#include "indicators/momentum/trix.h"
#include "indicators/momentum/tsi.h"
#include "indicators/momentum/ultimate_oscillator.h"
#include "indicators/momentum/universal_oscillator.h"
#include "indicators/momentum/volume_rsi.h"

namespace tolvex {

namespace {

Result<IndicatorBox, IndicatorError> make_kst(const Params& p) {
  Kst::Periods periods{};
  for (std::size_t k = 0; k < periods.size(); ++k) periods[k] = p.usize(k);
  return box(Kst::create(periods));
}

}  // namespace

std::span<const IndicatorRow> momentum_rows() {
  static const IndicatorRow kRows[] = {
      {"AdaptiveCci", "P", [](const Params& p) { return box(AdaptiveCci::create(p.usize(0))); }},
      {"AdaptiveRsi", "P", [](const Params& p) { return box(AdaptiveRsi::create(p.usize(0))); }},
      {"AnchoredRsi", "", [](const Params&) { return box(AnchoredRsi::create()); }},
      {"BalanceOfPower", "", [](const Params&) { return box(BalanceOfPower::create()); }},
      {"Cci", "P", [](const Params& p) { return box(Cci::create(p.usize(0))); }},
      {"Cfo", "P", [](const Params& p) { return box(Cfo::create(p.usize(0))); }},
      {"Cmo", "P", [](const Params& p) { return box(Cmo::create(p.usize(0))); }},
      {"ConnorsRsi", "PPP",
       [](const Params& p) { return box(ConnorsRsi::create(p.usize(0), p.usize(1), p.usize(2))); }},
      {"Coppock", "PPP",
       [](const Params& p) { return box(Coppock::create(p.usize(0), p.usize(1), p.usize(2))); }},
      {"DerivativeOscillator", "PPPP",
       [](const Params& p) {
         return box(DerivativeOscillator::create(p.usize(0), p.usize(1), p.usize(2), p.usize(3)));
       }},
      {"DisparityIndex", "P",
       [](const Params& p) { return box(DisparityIndex::create(p.usize(0))); }},
      {"Dpo", "P", [](const Params& p) { return box(Dpo::create(p.usize(0))); }},
      {"DynamicMomentumIndex", "P",
       [](const Params& p) { return box(DynamicMomentumIndex::create(p.usize(0))); }},
      {"FisherRsi", "P", [](const Params& p) { return box(FisherRsi::create(p.usize(0))); }},
      {"FisherTransform", "P",
       [](const Params& p) { return box(FisherTransform::create(p.usize(0))); }},
      {"HeikinAshiOscillator", "P",
       [](const Params& p) { return box(HeikinAshiOscillator::create(p.usize(0))); }},
      {"Inertia", "PP",
       [](const Params& p) { return box(Inertia::create(p.usize(0), p.usize(1))); }},
      {"IntradayMomentumIndex", "P",
       [](const Params& p) { return box(IntradayMomentumIndex::create(p.usize(0))); }},
      {"InverseFisherTransform", "R",
       [](const Params& p) { return box(InverseFisherTransform::create(p.f64(0))); }},
      {"Kst", "PPPPPPPPP", make_kst},
      {"LaguerreRsi", "R", [](const Params& p) { return box(LaguerreRsi::create(p.f64(0))); }},
      {"Mom", "P", [](const Params& p) { return box(Mom::create(p.usize(0))); }},
      {"Pgo", "P", [](const Params& p) { return box(Pgo::create(p.usize(0))); }},
      {"Pmo", "PP", [](const Params& p) { return box(Pmo::create(p.usize(0), p.usize(1))); }},
      {"ProjectionOscillator", "P",
       [](const Params& p) { return box(ProjectionOscillator::create(p.usize(0))); }},
      {"Qstick", "P", [](const Params& p) { return box(Qstick::create(p.usize(0))); }},
      {"Rmi", "PP", [](const Params& p) { return box(Rmi::create(p.usize(0), p.usize(1))); }},
      {"Roc", "P", [](const Params& p) { return box(Roc::create(p.usize(0))); }},
      {"Rocp", "P", [](const Params& p) { return box(Rocp::create(p.usize(0))); }},
      {"Rocr", "P", [](const Params& p) { return box(Rocr::create(p.usize(0))); }},
      {"Rocr100", "P", [](const Params& p) { return box(Rocr100::create(p.usize(0))); }},
      {"Rsi", "P", [](const Params& p) { return box(Rsi::create(p.usize(0))); }},
      {"Rsx", "P", [](const Params& p) { return box(Rsx::create(p.usize(0))); }},
      {"Rvi", "P", [](const Params& p) { return box(Rvi::create(p.usize(0))); }},
      {"Tii", "PP", [](const Params& p) { return box(Tii::create(p.usize(0), p.usize(1))); }},
      {"Trix", "P", [](const Params& p) { return box(Trix::create(p.usize(0))); }},
      {"Tsi", "PP", [](const Params& p) { return box(Tsi::create(p.usize(0), p.usize(1))); }},
      {"UltimateOscillator", "PPP",
       [](const Params& p) {
         return box(UltimateOscillator::create(p.usize(0), p.usize(1), p.usize(2)));
       }},
      {"UniversalOscillator", "P",
       [](const Params& p) { return box(UniversalOscillator::create(p.usize(0))); }},
      {"VolumeRsi", "P", [](const Params& p) { return box(VolumeRsi::create(p.usize(0))); }},
  };
  return kRows;
}

}  // namespace tolvex
