#include "scan/feed_kind.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "registry.h"

namespace tolvex::screener {

namespace {

using Entry = std::pair<std::string_view, FeedKind>;
using K = FeedKind;

// Kept sorted by name for binary search (checked at compile time).
constexpr std::array kClassified = {
    Entry{"AbsoluteBreadthIndex", K::Sections},
    Entry{"AdVolumeLine", K::Sections},
    Entry{"AdvanceDecline", K::Sections},
    Entry{"AdvanceDeclineRatio", K::Sections},
    Entry{"Alpha", K::Reference},
    Entry{"AmihudIlliquidity", K::Trades},
    Entry{"Beta", K::Reference},
    Entry{"BetaNeutralSpread", K::Reference},
    Entry{"BreadthThrust", K::Sections},
    Entry{"BullishPercentIndex", K::Sections},
    Entry{"CalendarSpread", K::Derivs},
    Entry{"Cointegration", K::Reference},
    Entry{"CumulativeVolumeDelta", K::Trades},
    Entry{"CumulativeVolumeIndex", K::Sections},
    Entry{"DepthSlope", K::Books},
    Entry{"DistanceSsd", K::Reference},
    Entry{"EffectiveSpread", K::TradesAndBooks},
    Entry{"FundingBasis", K::Derivs},
    Entry{"FundingImpliedApr", K::Derivs},
    Entry{"FundingRate", K::Derivs},
    Entry{"FundingRateMean", K::Derivs},
    Entry{"FundingRateZScore", K::Derivs},
    Entry{"GrangerCausality", K::Reference},
    Entry{"HasbrouckInformationShare", K::Reference},
    Entry{"HighLowIndex", K::Sections},
    Entry{"InformationRatio", K::Reference},
    Entry{"KalmanHedgeRatio", K::Reference},
    Entry{"KendallTau", K::Reference},
    Entry{"KylesLambda", K::TradesAndBooks},
    Entry{"LeadLagCrossCorrelation", K::Reference},
    Entry{"LiquidationFeatures", K::Derivs},
    Entry{"LongShortRatio", K::Derivs},
    Entry{"McClellanOscillator", K::Sections},
    Entry{"McClellanSummationIndex", K::Sections},
    Entry{"Microprice", K::Books},
    Entry{"NewHighsNewLows", K::Sections},
    Entry{"OIPriceDivergence", K::Derivs},
    Entry{"OIWeighted", K::Derivs},
    Entry{"OiToVolumeRatio", K::Derivs},
    Entry{"OpenInterestDelta", K::Derivs},
    Entry{"OpenInterestMomentum", K::Derivs},
    Entry{"OrderBookImbalanceFull", K::Books},
    Entry{"OrderBookImbalanceTop1", K::Books},
    Entry{"OrderBookImbalanceTopN", K::Books},
    Entry{"OrderFlowImbalance", K::Books},
    Entry{"OuHalfLife", K::Reference},
    Entry{"PairSpreadZScore", K::Reference},
    Entry{"PairwiseBeta", K::Reference},
    Entry{"PearsonCorrelation", K::Reference},
    Entry{"PercentAboveMa", K::Sections},
    Entry{"PerpetualPremiumIndex", K::Derivs},
    Entry{"Pin", K::Trades},
    Entry{"QuotedSpread", K::Books},
    Entry{"RealizedSpread", K::TradesAndBooks},
    Entry{"RelativeStrengthAB", K::Reference},
    Entry{"RollMeasure", K::Trades},
    Entry{"RollingCorrelation", K::Reference},
    Entry{"RollingCovariance", K::Reference},
    Entry{"SignedVolume", K::Trades},
    Entry{"SpearmanCorrelation", K::Reference},
    Entry{"SpreadAr1Coefficient", K::Reference},
    Entry{"SpreadBollingerBands", K::Reference},
    Entry{"SpreadHurst", K::Reference},
    Entry{"TakerBuySellRatio", K::Derivs},
    Entry{"TermStructureBasis", K::Derivs},
    Entry{"TickIndex", K::Sections},
    Entry{"TradeImbalance", K::Trades},
    Entry{"TradeSignAutocorrelation", K::Trades},
    Entry{"TreynorRatio", K::Reference},
    Entry{"Trin", K::Sections},
    Entry{"UpDownVolumeRatio", K::Sections},
    Entry{"VarianceRatio", K::Reference},
    Entry{"Vpin", K::Trades},
};

constexpr bool sorted_by_name() {
  for (std::size_t i = 1; i < kClassified.size(); ++i)
    if (!(kClassified[i - 1].first < kClassified[i].first)) return false;
  return true;
}
static_assert(sorted_by_name(), "the feed classification must stay sorted by name");

}  // namespace

std::optional<FeedKind> feed_kind_of(std::string_view type_name) {
  const auto it = std::lower_bound(kClassified.begin(), kClassified.end(), type_name,
                                   [](const Entry& e, std::string_view n) { return e.first < n; });
  if (it == kClassified.end() || it->first != type_name) return std::nullopt;
  return it->second;
}

std::string_view feed_text(FeedKind kind) {
  switch (kind) {
    case FeedKind::Reference:
      return "reference";
    case FeedKind::Derivs:
      return "derivs";
    case FeedKind::Books:
      return "books";
    case FeedKind::Trades:
      return "trades";
    case FeedKind::TradesAndBooks:
      return "trades and books";
    case FeedKind::Sections:
      return "sections";
  }
  return {};
}

bool is_supplied(FeedKind kind, const SuppliedFeeds& s) {
  switch (kind) {
    case FeedKind::Reference:
      return s.reference;
    case FeedKind::Derivs:
      return s.derivs;
    case FeedKind::Books:
      return s.books;
    case FeedKind::Trades:
      return s.trades;
    case FeedKind::TradesAndBooks:
      return s.trades && s.books;
    case FeedKind::Sections:
      return s.sections;
  }
  return false;
}

bool is_registered(std::string_view type_name) {
  // The registry is fixed at build time; index its names once, as an
  // immutable table, so that per-step feed checks stay cheap.
  static const std::vector<std::string_view> kNames = [] {
    std::vector<std::string_view> names;
    for (std::span<const IndicatorRow> rows : registry_families())
      for (const IndicatorRow& row : rows) names.push_back(row.name);
    std::sort(names.begin(), names.end());
    return names;
  }();
  return std::binary_search(kNames.begin(), kNames.end(), resolve_alias(type_name));
}

Status<ScreenerError> check_feeds(const Program& program, const SuppliedFeeds& supplied) {
  for (const std::string& name : program.top_level_indicators) {
    if (!is_registered(name)) return err(ScreenerError::unknown_indicator(name));
    const std::optional<FeedKind> kind = feed_kind_of(name);
    if (kind && !is_supplied(*kind, supplied))
      return err(ScreenerError::missing_feed(name, std::string(feed_text(*kind))));
  }
  return Unit{};
}

bool needs_sections(const Program& program) {
  for (const std::string& name : program.top_level_indicators)
    if (feed_kind_of(name) == FeedKind::Sections) return true;
  return false;
}

}  // namespace tolvex::screener
