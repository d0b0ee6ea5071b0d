// Every band type over one ten-bar series: warm-up, output names, the step
// of the first value and the values from then on; plus the input rules
// (skipped bars leave no trace) that all of them share.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "band_series.h"

namespace tolvex::testing {
namespace {

std::vector<Candle> series() {
  const double o[] = {10, 10.8, 11.5, 11.7, 11.9, 13.2, 13.8, 13.9, 15.2, 15.0};
  const double h[] = {10.5, 11.2, 12.1, 11.8, 13.0, 14.2, 13.9, 15.1, 16.0, 15.2};
  const double l[] = {9.5, 10.4, 11.0, 10.6, 11.9, 13.1, 12.8, 13.9, 14.8, 13.7};
  const double c[] = {10, 11, 12, 11, 12.8, 14, 13, 15, 15.5, 14};
  const double v[] = {100, 200, 0, 150, 300, 250, 100, 400, 50, 500};
  std::vector<Candle> out;
  for (int i = 0; i < 10; ++i) out.push_back(bar(o[i], h[i], l[i], c[i], v[i]));
  return out;
}

struct Case {
  const char* name;
  std::vector<double> params;
  std::size_t warmup;
  std::vector<std::string_view> fields;   // empty for single-valued types
  bool reads_bar;                         // validates the whole bar, not just the close
  int first;                              // 0-based step of the first value
  std::vector<std::vector<double>> rows;  // outputs (or the value) from `first` on
};

const std::vector<std::string_view> kBand = {"upper", "middle", "lower"};
const std::vector<std::string_view> kStop = {"value", "direction"};

// Expected values come from an independent numpy script written for these
// tests: whole-window textbook formulas (np.mean / np.std / np.quantile /
// np.polyfit, a plain loop for the Wilder and exponential averages and the
// stops), with no running sums. FractalChaosBands was worked by hand.
const std::vector<Case>& cases() {
  static const std::vector<Case> kCases = {
      {"BollingerBands",
       {4, 2},
       4,
       {"upper", "middle", "lower", "stddev"},
       false,
       3,
       {{12.414213562373096, 11.0, 9.585786437626904, 0.7071067811865476},
        {13.20996688705415, 11.7, 10.190033112945848, 0.7549834435270752},
        {14.64772609758359, 12.45, 10.252273902416409, 1.0988630487917956},
        {14.863330765278393, 12.7, 10.536669234721606, 1.0816653826391969},
        {15.454992877478423, 13.7, 11.945007122521575, 0.877496438739212},
        {16.295286436967153, 14.375, 12.454713563032849, 0.960143218483576},
        {16.295286436967153, 14.375, 12.454713563032849, 0.960143218483576}}},
      {"BollingerBandwidth",
       {4, 2},
       4,
       {},
       false,
       3,
       {{0.25712973861329},
        {0.2581139977870343},
        {0.3530483690897336},
        {0.340682010280062},
        {0.25620333977787213},
        {0.26717028688238637},
        {0.26717028688238637}}},
      {"PercentB",
       {4, 2},
       4,
       {},
       false,
       3,
       {{0.5000000000000002},
        {0.8642463981928876},
        {0.8526372102747998},
        {0.5693375245281538},
        {0.8703718734938235},
        {0.7929250497068535},
        {0.40235831676438194}}},
      {"DoubleBollinger",
       {4, 1.5, 2.5},
       4,
       {"upper_outer", "upper_inner", "middle", "lower_inner", "lower_outer"},
       false,
       3,
       {{12.767766952966369, 12.060660171779821, 11.0, 9.939339828220179, 9.232233047033631},
        {13.587458608817688, 12.832475165290612, 11.7, 10.567524834709387, 9.812541391182311},
        {15.197157621979489, 14.098294573187692, 12.45, 10.801705426812306, 9.70284237802051},
        {15.404163456597992, 14.322498073958794, 12.7, 11.077501926041204, 9.995836543402007},
        {15.893741096848029, 15.016244658108818, 13.7, 12.383755341891181, 11.50625890315197},
        {16.77535804620894, 15.815214827725363, 14.375, 12.934785172274637, 11.97464195379106},
        {16.77535804620894, 15.815214827725363, 14.375, 12.934785172274637, 11.97464195379106}}},
      {"VwapStdDevBands",
       {2},
       1,
       {"upper", "middle", "lower", "stddev"},
       true,
       0,
       {{10.0, 10.0, 10.0, 0.0},
        {11.3948789471489, 10.577777777777778, 9.760676608406655, 0.40855058468556094},
        {11.3948789471489, 10.577777777777778, 9.760676608406655, 0.40855058468556094},
        {11.611167716047387, 10.762962962962964, 9.914758209878542, 0.42410237654221145},
        {13.369884433045856, 11.484444444444446, 9.599004455843035, 0.9427199943007055},
        {14.618701750724266, 12.055, 9.491298249275733, 1.281850875362133},
        {14.698665863711899, 12.162121212121212, 9.625576560530526, 1.268272325795343},
        {15.932417217685686, 12.83, 9.727582782314315, 1.5512086088428425},
        {16.10157876248726, 12.913978494623656, 9.726378226760051, 1.593800133931802},
        {16.268592012846685, 13.252032520325203, 10.235473027803721, 1.5082797462607416}}},
      {"Keltner",
       {3, 4, 1.5},
       4,
       kBand,
       true,
       3,
       {{12.7625, 11.0, 9.2375},
        {13.971875, 11.9, 9.828125},
        {15.028906249999999, 12.95, 10.87109375},
        {14.9841796875, 12.975, 10.9658203125},
        {16.281884765625, 13.9875, 11.693115234375002},
        {16.91453857421875, 14.74375, 12.572961425781251},
        {16.67496643066406, 14.371875, 12.068783569335936}}},
      {"StarcBands",
       {3, 4, 1.5},
       4,
       kBand,
       true,
       3,
       {{13.095833333333333, 11.333333333333334, 9.570833333333335},
        {14.005208333333332, 11.933333333333332, 9.861458333333331},
        {14.678906249999999, 12.6, 10.52109375},
        {15.275846354166665, 13.266666666666666, 11.257486979166666},
        {16.294384765625, 14.0, 11.705615234375001},
        {16.67078857421875, 14.5, 12.329211425781251},
        {17.136424763997397, 14.833333333333334, 12.530241902669271}}},
      {"AtrBands",
       {3, 2},
       3,
       kBand,
       true,
       2,
       {{14.2, 12.0, 9.8},
        {13.4, 11.0, 8.6},
        {15.733333333333334, 12.8, 9.866666666666667},
        {16.88888888888889, 14.0, 11.111111111111112},
        {15.725925925925925, 13.0, 10.274074074074075},
        {18.217283950617283, 15.0, 11.782716049382717},
        {18.444855967078187, 15.5, 12.555144032921811},
        {17.16323731138546, 14.0, 10.83676268861454}}},
      {"AccelerationBands",
       {3, 4},
       3,
       kBand,
       true,
       2,
       {{13.28800705467372, 11.0, 8.45467372134039},
        {13.864197530864196, 11.333333333333334, 8.69753086419753},
        {14.676840696117806, 11.933333333333332, 9.010174029451138},
        {15.371468290745398, 12.6, 9.704801624078732},
        {15.992156715928205, 13.266666666666666, 10.492156715928209},
        {16.759530579197374, 14.0, 11.09286391253071},
        {17.427817847484643, 14.5, 11.594484514151311},
        {18.14950872696488, 14.833333333333334, 11.649508726964877}}},
      {"HurstChannel",
       {3, 0.5},
       3,
       kBand,
       true,
       2,
       {{12.3, 11.0, 9.7},
        {12.183333333333334, 11.333333333333334, 10.483333333333334},
        {13.133333333333333, 11.933333333333332, 10.73333333333333},
        {14.399999999999999, 12.6, 10.8},
        {14.416666666666664, 13.266666666666666, 12.116666666666667},
        {15.149999999999999, 14.0, 12.850000000000001},
        {16.1, 14.5, 12.9},
        {15.983333333333334, 14.833333333333334, 13.683333333333334}}},
      {"MedianChannel",
       {4, 2},
       4,
       kBand,
       false,
       3,
       {{12.0, 11.0, 10.0},
        {12.5, 11.5, 10.5},
        {14.200000000000001, 12.4, 10.6},
        {14.1, 12.9, 11.700000000000001},
        {14.7, 13.5, 12.3},
        {16.0, 14.5, 13.0},
        {16.0, 14.5, 13.0}}},
      {"QuartileBands",
       {5},
       5,
       kBand,
       false,
       4,
       {{12.0, 11.0, 11.0},
        {12.8, 12.0, 11.0},
        {13.0, 12.8, 12.0},
        {14.0, 13.0, 12.8},
        {15.0, 14.0, 13.0},
        {15.0, 14.0, 14.0}}},
      {"BomarBands",
       {5, 0.8},
       5,
       kBand,
       false,
       4,
       {{12.735999999999999, 11.36, 9.984},
        {13.456, 12.16, 10.864},
        {14.024, 12.559999999999999, 11.095999999999998},
        {15.064, 13.16, 11.256},
        {15.355999999999998, 14.059999999999999, 12.764},
        {15.52, 14.3, 13.080000000000002}}},
      {"LinRegChannel",
       {5, 2},
       5,
       kBand,
       false,
       4,
       {{13.55925900505856, 12.479999999999999, 11.400740994941437},
        {14.748983319658972, 13.519999999999996, 12.29101668034102},
        {14.994433686163287, 13.559999999999999, 12.12556631383671},
        {16.123026832683298, 14.8, 13.476973167316702},
        {16.462853507809456, 15.34, 14.217146492190544},
        {16.393737745050917, 14.799999999999995, 13.206262254949072}}},
      {"StandardErrorBands",
       {5, 2},
       5,
       kBand,
       false,
       4,
       {{13.873317384278732, 12.479999999999999, 11.086682615721266},
        {15.106610643268636, 13.519999999999996, 11.933389356731356},
        {15.411845925916444, 13.559999999999999, 11.708154074083554},
        {16.508020296522655, 14.8, 13.091979703477348},
        {16.789597645325532, 15.34, 13.890402354674467},
        {16.857506581601456, 14.799999999999995, 12.742493418398533}}},
      {"ProjectionBands",
       {4},
       4,
       kBand,
       true,
       3,
       {{12.579999999999998, 11.59, 10.6},
        {13.12, 12.064999999999998, 11.009999999999998},
        {14.349999999999993, 13.234999999999992, 12.119999999999994},
        {14.949999999999998, 13.875, 12.8},
        {15.399999999999995, 14.384999999999998, 13.37},
        {16.179999999999993, 15.109999999999994, 14.039999999999996},
        {16.479999999999997, 15.089999999999998, 13.7}}},
      {"Donchian",
       {3},
       3,
       kBand,
       true,
       2,
       {{12.1, 10.8, 9.5},
        {12.1, 11.25, 10.4},
        {13.0, 11.8, 10.6},
        {14.2, 12.399999999999999, 10.6},
        {14.2, 13.05, 11.9},
        {15.1, 13.95, 12.8},
        {16.0, 14.4, 12.8},
        {16.0, 14.85, 13.7}}},
      {"TtmSqueeze",
       {4, 2, 1.5},
       4,
       {"squeeze", "momentum"},
       true,
       3,
       {{1.0, 0.7},
        {1.0, 0.6600000000000017},
        {0.0, 1.1950000000000018},
        {0.0, 1.2300000000000018},
        {1.0, 0.9400000000000004},
        {1.0, 0.9625000000000019},
        {1.0, 0.5125000000000013}}},
      {"ElderSafeZone",
       {3, 2},
       4,
       kStop,
       true,
       3,
       {{9.799999999999999, 1.0},
        {11.1, 1.0},
        {12.299999999999999, 1.0},
        {12.299999999999999, 1.0},
        {13.300000000000002, 1.0},
        {14.200000000000003, 1.0},
        {17.299999999999997, -1.0}}},
      {"KaseDevStop",
       {3, 1},
       4,
       kStop,
       true,
       3,
       {{10.051196612828743, 1.0},
        {10.660751770708073, 1.0},
        {11.640045047101708, 1.0},
        {11.640045047101708, 1.0},
        {12.580384757729338, 1.0},
        {13.594085104041406, 1.0},
        {13.651196612828741, 1.0}}},
      {"FractalChaosBands",
       {1},
       3,
       {"upper", "lower"},
       true,
       4,
       {{12.1, 10.6}, {12.1, 10.6}, {14.2, 10.6}, {14.2, 12.8}, {14.2, 12.8}, {16.0, 12.8}}},
  };
  return kCases;
}

class BandCase : public ::testing::TestWithParam<Case> {};

TEST_P(BandCase, ValuesFromTheFirstStep) {
  const Case& c = GetParam();
  auto e = build(c.name, c.params);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->warmup(), c.warmup);
  auto steps = run(*e, series());
  ASSERT_EQ(first_value(steps), c.first);
  for (std::size_t t = 0; t < steps.size(); ++t) {
    const Step& s = steps[t];
    if (static_cast<int>(t) < c.first) {
      EXPECT_TRUE(s.fields.empty()) << "step " << t;
      continue;
    }
    ASSERT_TRUE(s.value) << "step " << t;
    const std::vector<double>& want = c.rows[t - c.first];
    if (c.fields.empty()) {
      EXPECT_TRUE(s.fields.empty());
      EXPECT_NEAR(*s.value, want[0], 1e-12) << "step " << t;
      continue;
    }
    ASSERT_EQ(names(s.fields), c.fields) << "step " << t;
    EXPECT_EQ(*s.value, s.fields[0].value) << "the primary value is the first field";
    for (std::size_t k = 0; k < want.size(); ++k)
      EXPECT_NEAR(s.fields[k].value, want[k], 1e-12) << "step " << t << " " << c.fields[k];
  }
}

bool same_bits(const Step& a, const Step& b) {
  if (a.value.has_value() != b.value.has_value()) return false;
  if (a.value && std::bit_cast<uint64_t>(*a.value) != std::bit_cast<uint64_t>(*b.value))
    return false;
  if (a.fields.size() != b.fields.size()) return false;
  for (std::size_t k = 0; k < a.fields.size(); ++k)
    if (std::bit_cast<uint64_t>(a.fields[k].value) != std::bit_cast<uint64_t>(b.fields[k].value))
      return false;
  return true;
}

// A rejected step yields nothing, keeps the previous outputs, and the
// series continues bit for bit as if the step had never been fed.
void expect_skipped(const Case& c, const Candle& bad) {
  auto clean = build(c.name, c.params);
  auto dirty = build(c.name, c.params);
  ASSERT_TRUE(clean && dirty);
  std::vector<Candle> bars = series();
  // The dirty run gets `bad` just before step 6.
  std::vector<Step> want = run(*clean, bars);
  std::vector<Step> got;
  for (std::size_t t = 0; t < bars.size(); ++t) {
    if (t == 6) {
      Step s = feed(*dirty, bad);
      EXPECT_FALSE(s.value);
      EXPECT_TRUE(same_bits(Step{std::nullopt, s.fields}, Step{std::nullopt, want[5].fields}));
    }
    got.push_back(feed(*dirty, bars[t]));
  }
  for (std::size_t t = 0; t < bars.size(); ++t) EXPECT_TRUE(same_bits(got[t], want[t])) << t;
}

TEST_P(BandCase, NonFiniteCloseIsSkipped) {
  const double kInf = std::numeric_limits<double>::infinity();
  expect_skipped(GetParam(), bar(13, 14, 12, std::nan("")));
  expect_skipped(GetParam(), bar(13, 14, 12, kInf));
}

// Bar types reject a bar whose high is below its low; close types read
// only the close and take such a bar like any other.
TEST_P(BandCase, InvalidBar) {
  const Case& c = GetParam();
  if (c.reads_bar) {
    expect_skipped(c, bar(13, 12, 14, 13));
    return;
  }
  std::vector<Candle> bars = series();
  auto clean = build(c.name, c.params);
  auto odd = build(c.name, c.params);
  ASSERT_TRUE(clean && odd);
  std::vector<Step> want = run(*clean, bars);
  bars[6].high = bars[6].low - 1;
  std::vector<Step> got = run(*odd, bars);
  for (std::size_t t = 0; t < bars.size(); ++t) EXPECT_TRUE(same_bits(got[t], want[t])) << t;
}

INSTANTIATE_TEST_SUITE_P(Bands, BandCase, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvex::testing
